// Fake tunnel programs: scripts named sshpass and plink in a scratch folder put first on
// PATH while the fixture lives. Each records what it was given into that folder (its
// arguments after the program name, one a line; the SSHPASS it saw; for plink the
// password file's content, mode and path), writes `diagnostics` to standard error and
// exits with the status the test chose; with kStay it runs on instead, with a child
// (a long sleep) of its own, and records its process id ("pid") and the child's
// ("child_pid").
#pragma once

#include <glib.h>
#include <glib/gstdio.h>

#include <signal.h>

#include <cstring>
#include <string>
#include <vector>

namespace tarvelin::test {

// True once a process has ended: it no longer exists, or it is a zombie not yet reaped.
inline bool process_gone(int pid) {
    for (int i = 0; i < 300; ++i) {
        if (kill(pid, 0) != 0) return true;
        gchar* stat = nullptr;
        if (!g_file_get_contents(("/proc/" + std::to_string(pid) + "/stat").c_str(), &stat, nullptr, nullptr))
            return true;
        const char* close = strrchr(stat, ')');
        bool zombie = close && close[1] == ' ' && close[2] == 'Z';
        g_free(stat);
        if (zombie) return true;
        g_usleep(10000);
    }
    return false;
}

class TunnelFakes {
public:
    enum Ending { kExit, kStay };
    explicit TunnelFakes(int status = 0, const std::string& diagnostics = "", Ending ending = kExit) {
        gchar* d = g_dir_make_tmp("tarvelin-fakes-XXXXXX", nullptr);
        dir_ = d;
        g_free(d);
        const char* path = g_getenv("PATH");
        old_path_ = path ? path : "";
        g_setenv("PATH", (dir_ + ":" + old_path_).c_str(), TRUE);
        write_script("sshpass", status, diagnostics, ending);
        write_script("plink", status, diagnostics, ending);
    }
    ~TunnelFakes() {
        g_setenv("PATH", old_path_.c_str(), TRUE);
        for (const char* f : {"sshpass", "plink", "argv", "sshpass_env", "pwfile_content", "pwfile_mode",
                              "pwfile_path", "pid", "child_pid"})
            g_remove(file(f).c_str());
        g_rmdir(dir_.c_str());
    }
    TunnelFakes(const TunnelFakes&) = delete;
    TunnelFakes& operator=(const TunnelFakes&) = delete;

    std::string file(const std::string& name) const { return dir_ + "/" + name; }
    const std::string& dir() const { return dir_; }
    bool ran() const { return g_file_test(file("argv").c_str(), G_FILE_TEST_EXISTS); }
    // The arguments after the program name.
    std::vector<std::string> arguments() const {
        std::vector<std::string> out;
        std::string text = read("argv");
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            out.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return out;
    }
    std::string read(const std::string& name) const {
        gchar* text = nullptr;
        gsize len = 0;
        if (!g_file_get_contents(file(name).c_str(), &text, &len, nullptr)) return "<missing>";
        std::string s(text, len);
        g_free(text);
        return s;
    }

private:
    void write_script(const std::string& name, int status, const std::string& diagnostics, Ending ending) {
        std::string script =
            "#!/bin/sh\n"
            "dir=$(dirname \"$0\")\n"
            ": > \"$dir/argv\"\n"
            "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$dir/argv\"; done\n"
            "printf '%s' \"${SSHPASS-<unset>}\" > \"$dir/sshpass_env\"\n"
            "prev=\n"
            "for a in \"$@\"; do\n"
            "  if [ \"$prev\" = -pwfile ]; then\n"
            "    cat \"$a\" > \"$dir/pwfile_content\"; stat -c %a \"$a\" > \"$dir/pwfile_mode\";"
            " printf '%s' \"$a\" > \"$dir/pwfile_path\"\n"
            "  fi\n"
            "  prev=$a\n"
            "done\n"
            "printf '%s\\n' '" + diagnostics + "' >&2\n" +
            (ending == kStay ? std::string("sleep 300 &\n"
                                           "printf '%s' \"$!\" > \"$dir/child_pid\"\n"
                                           "printf '%s' \"$$\" > \"$dir/pid\"\n"
                                           "wait\n")
                             : "exit " + std::to_string(status) + "\n");
        g_file_set_contents(file(name).c_str(), script.c_str(), -1, nullptr);
        g_chmod(file(name).c_str(), 0755);
    }

    std::string dir_;
    std::string old_path_;
};

}  // namespace tarvelin::test
