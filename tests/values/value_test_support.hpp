// Small helpers shared by the value suites.
#pragma once

#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "providers/gobj/convert.hpp"

namespace value_test {

// Takes a C text (transfer full); "(null)" stands for NULL so tests can compare it.
inline std::string text_of(gchar* s) {
    if (!s) return "(null)";
    return tarvelin::gobj::take_string(s);
}

// Counts "notify::<property>" emissions on one object (kept alive meanwhile).
class NotifyCounter {
public:
    NotifyCounter(gpointer object, const char* property) : object_(G_OBJECT(g_object_ref(object))) {
        std::string signal = std::string("notify::") + property;
        id_ = g_signal_connect(object_, signal.c_str(), G_CALLBACK(+[](GObject*, GParamSpec*, gpointer self) {
                                   ++static_cast<NotifyCounter*>(self)->count;
                               }),
                               this);
    }
    ~NotifyCounter() {
        g_signal_handler_disconnect(object_, id_);
        g_object_unref(object_);
    }
    NotifyCounter(const NotifyCounter&) = delete;
    NotifyCounter& operator=(const NotifyCounter&) = delete;
    int count = 0;

private:
    GObject* object_;
    gulong id_;
};

// The text written on stderr (critical messages included) while `f` runs.
inline std::string stderr_of(const std::function<void()>& f) {
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
}

// A call that must fail a precondition: it logs `condition` and gives NULL.
struct PreconditionCase {
    std::function<gpointer()> call;
    const char* condition;
};
inline void expect_precondition(const std::function<gpointer()>& call, const char* condition) {
    gpointer made = reinterpret_cast<gpointer>(1);
    std::string err = stderr_of([&] { made = call(); });
    EXPECT_NE(err.find(condition), std::string::npos) << condition;
    EXPECT_EQ(made, nullptr) << condition;
}

// Runs a main loop until an asynchronous operation started by `start` has called back;
// `start` gets the callback and its user data.
inline GAsyncResult* run_async(const std::function<void(GAsyncReadyCallback, gpointer)>& start) {
    struct Wait {
        GMainLoop* loop;
        GAsyncResult* result = nullptr;
    } wait{g_main_loop_new(nullptr, FALSE)};
    start(
        [](GObject*, GAsyncResult* res, gpointer data) {
            auto* w = static_cast<Wait*>(data);
            w->result = G_ASYNC_RESULT(g_object_ref(res));
            g_main_loop_quit(w->loop);
        },
        &wait);
    g_main_loop_run(wait.loop);
    g_main_loop_unref(wait.loop);
    return wait.result;
}

// A fresh directory removed (with its files) at the end of the test.
class TempDir {
public:
    TempDir() : path_(tarvelin::gobj::take_string(g_dir_make_tmp("values-XXXXXX", nullptr))) {}
    ~TempDir() {
        if (GDir* dir = g_dir_open(path_.c_str(), 0, nullptr)) {
            while (const char* name = g_dir_read_name(dir)) {
                std::string p = file(name);
                if (g_file_test(p.c_str(), G_FILE_TEST_IS_DIR)) {
                    g_rmdir(p.c_str());
                } else {
                    g_remove(p.c_str());
                }
            }
            g_dir_close(dir);
        }
        g_rmdir(path_.c_str());
    }
    std::string file(const char* name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Writes `content` (any bytes) to `path`.
inline void write_file(const std::string& path, const std::string& content) {
    ASSERT_TRUE(g_file_set_contents(path.c_str(), content.data(), static_cast<gssize>(content.size()), nullptr));
}
inline std::string read_file(const std::string& path) {
    gchar* data = nullptr;
    gsize size = 0;
    if (!g_file_get_contents(path.c_str(), &data, &size, nullptr)) return "(unreadable)";
    std::string s(data, size);
    g_free(data);
    return s;
}

}  // namespace value_test
