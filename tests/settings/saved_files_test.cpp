// The two files that hold the user's records, the saved-connections store and the
// settings, under hostile content: nothing the user had is lost, every save loads again,
// and secrets keep their file modes. Each case runs over both files.
#include <gtest/gtest.h>
#include <glib/gstdio.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "providers/contracts/face_server_setting.hpp"
#include "rezezadovu/contracts/setting/user_setting.hpp"
#include "settings_files.hpp"
#include "support/log_capture.hpp"

using namespace tarvelin;
using providers::contracts::Server;
using providers::contracts::ServerSetting;
using rezezadovu::contracts::setting::UserSetting;
using settings_test::read_file;
using settings_test::TempDir;
using settings_test::write_file;

namespace {

// One of the two files, driven the same way: load, save, and a place for a text.
struct FileKind {
    const char* name;
    std::function<void(const std::string&)> load;
    std::function<void()> save;
    // Puts `text` where a record keeps a secret, then reads it back.
    std::function<void(const std::string&)> set_secret;
    std::function<std::string()> secret;
    // A file of the right shape with one member of the wrong kind, out of range, cut or unknown.
    std::vector<std::pair<std::string, std::string>> lossy;  // (member named, file)
    std::string good;  // a file that loads as written
};

FileKind store_kind() {
    auto s = ServerSetting::create();
    auto record = [s]() {
        if (s->get_servers().size() == 0) s->get_servers().append(Server::create_with_provider("PostgreSQL"));
        return s->get_servers().at(0);
    };
    return {"store",
            [s](const std::string& p) { s->load(p); },
            [s] { s->save(); },
            [record](const std::string& t) { record()->set_password(t); },
            [record] { return record()->get_password().value_or("<null>"); },
            {{"servers[0].port", R"({"servers": [{"host": "h", "port": "5432"}]})"},
             {"servers[0].port", R"({"servers": [{"host": "h", "port": 99999999999}]})"},
             {"servers[0].password", R"({"servers": [{"host": "h", "password": "abc\u0000def"}]})"},
             {"servers[0].added-later", R"({"servers": [{"host": "h", "added-later": true}]})"},
             {"groups[0].servers[1]", R"({"groups": [{"name": "g", "servers": [{"host": "h"}, 7]}]})"},
             {"servers[0].title", R"({"servers": [{"host": "h", "title": "\ud800x"}]})"}},
            R"({"groups": [{"name": "g", "servers": [{"host": "h", "port": 5432, "databases": ["a"],
                 "ssh-using": true}]}], "servers": [{"title": "t\u00e9", "port": 0}]})"};
}

FileKind settings_kind() {
    auto s = UserSetting::create();
    return {"settings",
            [s](const std::string& p) { s->load(p); },
            [s] { s->save(); },
            [s](const std::string& t) { s->get_network()->set_proxy_password(t.c_str()); },
            [s] { return std::string(s->get_network()->get_proxy_password()); },
            {{"network.proxy-port", R"({"network": {"proxy-port": "8080"}})"},
             {"network.proxy-port", R"({"network": {"proxy-port": 99999999999}})"},
             {"network.proxy-password", R"({"network": {"proxy-password": "abc\u0000def"}})"},
             {"network.added-later", R"({"network": {"added-later": 1}})"},
             {"editor", R"({"editor": [1]})"}},
            R"({"network": {"proxy-using": true, "proxy-port": 3128, "proxy-host": "p\u00e9"},
                "editor": {"tab-width": 8}})"};
}

// Collects the warnings the loaders write; other messages go on to the console.
class Warnings : public tarvelin::test::LogSink {
public:
    std::vector<std::string> lines;

    bool take(GLogLevelFlags level, const char* message) override {
        if (!(level & G_LOG_LEVEL_WARNING)) return false;
        lines.emplace_back(message);
        return true;
    }
};

class SavedFiles : public testing::TestWithParam<FileKind (*)()> {
protected:
    FileKind kind = GetParam()();
    TempDir dir;
    std::string file = dir.file("records.json");

    bool exists(const std::string& p) const { return g_file_test(p.c_str(), G_FILE_TEST_EXISTS); }
    static mode_t mode_of(const std::string& p) {
        GStatBuf st;
        return g_stat(p.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
    }
    // Loads a file that must fail, then saves over it.
    void fail_then_save(const std::string& content) {
        write_file(file, content);
        EXPECT_THROW(kind.load(file), gobj::Error);
        kind.save();
    }
};

std::string nested(int depth, const char* open, const char* close) {
    std::string s;
    for (int i = 0; i < depth; ++i) s += open;
    for (int i = 0; i < depth; ++i) s += close;
    return s;
}

}  // namespace

TEST_P(SavedFiles, DeepNestingIsRefusedBeforeParsingAndTheFileIsKept) {
    struct Case {
        int depth;
        const char* open;
        const char* close;
    } cases[] = {{100000, "[", "]"}, {100000, "{\"a\":", "}"}, {65, "[", "]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.depth);
        std::string content = nested(c.depth, c.open, c.close);
        write_file(file, content);
        try {
            kind.load(file);
            ADD_FAILURE() << "loaded";
        } catch (const gobj::Error& e) {
            EXPECT_EQ(e.domain(), JSON_PARSER_ERROR);
            EXPECT_NE(e.message().find("nested deeper than 64 levels"), std::string::npos) << e.message();
        }
        kind.save();
        // The user's file is kept untouched; the first free backup name holds it.
        bool found = false;
        for (const char* b : {".bak", ".1.bak", ".2.bak"}) found |= read_file(file + b) == content;
        EXPECT_TRUE(found);
    }
    // The limit itself parses (the content is simply no record file).
    write_file(file, nested(64, "[", "]"));
    try {
        kind.load(file);
    } catch (const gobj::Error& e) {
        EXPECT_EQ(e.message().find("nested deeper"), std::string::npos) << e.message();
    }
}

TEST_P(SavedFiles, AFileThatFailsToLoadIsKeptBeforeTheFirstSave) {
    fail_then_save("{ \"network\": ");
    EXPECT_EQ(read_file(file + ".bak"), "{ \"network\": ");
    kind.load(file);  // what the save wrote loads
    kind.save();      // and a good load makes no further backup
    EXPECT_FALSE(exists(file + ".1.bak"));
}

TEST_P(SavedFiles, BackupsAreNeverOverwritten) {
    write_file(file + ".bak", "last good file");
    fail_then_save("first broken file {");
    fail_then_save("second broken file [");
    EXPECT_EQ(read_file(file + ".bak"), "last good file");
    EXPECT_EQ(read_file(file + ".1.bak"), "first broken file {");
    EXPECT_EQ(read_file(file + ".2.bak"), "second broken file [");
}

TEST_P(SavedFiles, EverySaveLoadsAgainWhateverTheTexts) {
    // A lone surrogate as json-glib reads "\ud800", a Latin-1 file name, decrypted bytes.
    const std::string texts[] = {"\xed\xa0\x80", "caf\xe9.db", "\x80\x81\xfe\xff\x01 tail", std::string("\xc3", 1)};
    for (const auto& text : texts) {
        SCOPED_TRACE(text);
        write_file(file, kind.good);
        kind.load(file);
        kind.set_secret(text);
        kind.save();
        Warnings warnings;
        kind.load(file);
        EXPECT_TRUE(g_utf8_validate(kind.secret().c_str(), -1, nullptr));
        EXPECT_EQ(kind.secret(), gobj::take_string(g_utf8_make_valid(text.c_str(), -1)));
        EXPECT_TRUE(warnings.lines.empty()) << warnings.lines[0];
    }
}

TEST_P(SavedFiles, MembersDroppedOrCutOnLoadLeaveTheOriginalAsABackup) {
    for (const auto& [member, content] : kind.lossy) {
        SCOPED_TRACE(content);
        write_file(file, content);
        Warnings warnings;
        kind.load(file);
        ASSERT_FALSE(warnings.lines.empty());
        // The path to the member, or for a text cut at a NUL (found before parsing) its name.
        std::string leaf = member.substr(member.find_last_of('.') + 1);
        bool named = false;
        for (const auto& line : warnings.lines)
            named |= line.find("\"" + member + "\"") != std::string::npos ||
                     line.find("\"" + leaf + "\"") != std::string::npos;
        EXPECT_TRUE(named) << warnings.lines[0];
        kind.save();
        EXPECT_EQ(read_file(file + ".bak"), content);
        g_remove((file + ".bak").c_str());
        // What was written is what the objects hold: it loads without a word.
        warnings.lines.clear();
        kind.load(file);
        EXPECT_TRUE(warnings.lines.empty()) << warnings.lines[0];
    }
    // A file that loads as written is saved without a backup or a warning.
    write_file(file, kind.good);
    Warnings warnings;
    kind.load(file);
    kind.save();
    EXPECT_TRUE(warnings.lines.empty()) << warnings.lines[0];
    EXPECT_FALSE(exists(file + ".bak"));
}

TEST_P(SavedFiles, ModesAreKeptAndNewFilesAreTheOwnersOnly) {
    for (mode_t mode : {0600, 0640, 0604}) {
        write_file(file, kind.good);
        ASSERT_EQ(g_chmod(file.c_str(), mode), 0);
        kind.load(file);
        kind.save();
        EXPECT_EQ(mode_of(file), mode);
    }
    // A broken 0600 file: its backup is as private as it was.
    write_file(file, "{");
    ASSERT_EQ(g_chmod(file.c_str(), 0600), 0);
    EXPECT_THROW(kind.load(file), gobj::Error);
    kind.save();
    EXPECT_EQ(mode_of(file + ".bak"), 0600u);

    std::string fresh = dir.file("new.json");
    EXPECT_THROW(kind.load(fresh), gobj::Error);  // no such file: the name is taken all the same
    mode_t old = umask(0);
    kind.save();
    umask(old);
    EXPECT_EQ(mode_of(fresh), 0600u);
    EXPECT_FALSE(exists(fresh + ".bak"));
}

INSTANTIATE_TEST_SUITE_P(BothFiles, SavedFiles, testing::Values(&store_kind, &settings_kind),
                         [](const testing::TestParamInfo<FileKind (*)()>& info) {
                             return std::string(info.param().name);
                         });
