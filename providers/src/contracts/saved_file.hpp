// A JSON file that holds the user's records (the saved-connections store, the settings):
// read without trusting its shape, written so that nothing the user had is ever lost.
//
// Reading refuses nesting deeper than kMaxDepth before json-glib's recursive parser sees
// it, and `audit` compares what an object took from the file with the file itself: every
// member dropped, cut or ignored is named in a warning. After a load that failed or lost
// anything, the next `write` first keeps the file as it was under a backup name that is
// never reused ("<name>.bak", "<name>.1.bak", ...). A write always produces valid UTF-8,
// keeps the mode of the file it replaces and creates new files readable by the owner only.
//
// Threading: callers serialise.
#pragma once

#include <json-glib/json-glib.h>

#include <string>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::providers::contracts {

class TARVELIN_EXPORT SavedFile {
public:
    // The records need six levels; anything far deeper is no file of ours.
    static constexpr int kMaxDepth = 64;

    // Reads and parses the file; throws on any failure. A file that exists but does not
    // parse is marked to be kept.
    gobj::GPtr<JsonParser> parse(const std::string& filename);
    // The parsed content could not be used: keep the file before the next write.
    void refuse() { keep_ = !loaded_.empty() && g_file_test(loaded_.c_str(), G_FILE_TEST_EXISTS); }
    // Compares `object`, freshly deserialised from `root`, with the file's members; each
    // member not held as written is warned about and the file is marked to be kept.
    void audit(JsonNode* root, GObject* object);
    // Whether the next write keeps the loaded file first.
    bool keeps() const { return keep_; }

    // Writes `root` (made valid UTF-8) to `filename`; when the loaded file is marked,
    // keeps it as a backup first (once).
    void write(const std::string& filename, JsonNode* root);

    // Texts of the tree that are not valid UTF-8 are replaced by their valid form.
    static void make_valid(JsonNode* node);
    // The first free backup name of `filename`, the file copied there (mode kept).
    static std::string keep_backup(const std::string& filename);

private:
    std::string loaded_;
    bool keep_ = false;
};

}  // namespace tarvelin::providers::contracts
