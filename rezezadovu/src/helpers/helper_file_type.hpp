// Names the MIME type of raw bytes from a table of hexadecimal signatures.
#pragma once

#include <tarvelin/rezezadovu/helpers.h>

#include <span>
#include <string>
#include <vector>

#include <json-glib/json-glib.h>

#include "providers/gobj/fundamental.hpp"

namespace tarvelin::rezezadovu::helpers {

// One member of the signature document: signs are "<offset>,<HEX>" texts.
struct FileTypeSignature {
    std::string name;
    std::string mime;
    std::vector<std::string> signs;
};

class TARVELIN_EXPORT FileTypeHelper : public gobj::Fundamental {
public:
    static constexpr const char* kResource = "/org/gnome/Vorarode/settings/extensions.json";
    static constexpr const char* kUnknown = "unknown/unknown";

    static GType gtype();
    static gobj::Ref<FileTypeHelper> create(GType type = gtype());

    // The process-wide instance, its table read once from the host's resource bundle;
    // a failed read is logged and not retried.
    static FileTypeHelper& get_singleton();

    // The MIME type of the first record with a matching sign, else "unknown/unknown".
    std::string guess_file_type(std::span<const guint8> buffer) const;
    const std::vector<FileTypeSignature>& signatures() const noexcept { return table_; }

    // Reads the table from a parsed signature document (replacing it).
    void load_document(JsonNode* root);

private:
    void load_resource();

    std::vector<FileTypeSignature> table_;
};

}  // namespace tarvelin::rezezadovu::helpers

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuHelpersFileTypeHelper, tarvelin::rezezadovu::helpers::FileTypeHelper)
