// The main log: numbered files "<name>-000.log", "<name>-001.log", ... in one folder,
// resuming the newest at start-up and moving on when a file grows past a limit.
#pragma once

#include "rezezadovu/supports/log/handler_base.hpp"

namespace tarvelin::rezezadovu::supports::log {

// Thread-safe.
class TARVELIN_EXPORT SliceFileLogHandler : public HandlerProperties<SliceFileLogHandler> {
public:
    static GType gtype();
    static gobj::Ref<SliceFileLogHandler> create(GType type = gtype());

    // Throws the file system's error; size_max <= 0 never rotates.
    void initialize(const char* name, const char* folder, gint64 size_max);
    void publish(LogLevel level, const char* server, const char* name, gobj::VaText text) override;
    std::string recent(gpointer) override { return {}; }
    void close() override;

    void constructed() override;
    // The file written now ("" when none is open).
    std::string current_path() const;

private:
    // These two run under the handler's lock.
    std::string file_name(gint64 index) const;
    void rotate();
    void close_stream();

    gint64 current_size_ = 0;
    gint64 index_ = 0;
    gint64 size_max_ = 0x100000;
    std::string name_;
    std::string folder_;
    std::string current_path_;
    bool open_ = false;
    gobj::GPtr<GFileOutputStream> stream_;
};

}  // namespace tarvelin::rezezadovu::supports::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogSliceFileLogHandler, tarvelin::rezezadovu::supports::log::SliceFileLogHandler)
