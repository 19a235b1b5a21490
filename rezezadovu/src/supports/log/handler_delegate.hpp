// Writes each record as a line of Pango markup, coloured by level, to a scratch file
// that the host's watch function reads from the main loop.
#pragma once

#include "rezezadovu/supports/log/handler_base.hpp"

namespace tarvelin::rezezadovu::supports::log {

// Thread-safe; the host's watch function runs on the thread of the default main context.
class TARVELIN_EXPORT DelegateHandler : public HandlerProperties<DelegateHandler> {
public:
    static GType gtype();
    static gobj::Ref<DelegateHandler> create(GType type = gtype());

    // Opens a new scratch file and calls `func` with a channel reading it whenever the
    // default main context finds it readable (priority 200).
    void initialize(GIOFunc func, gpointer user_data);
    void publish(LogLevel level, const char* server, const char* name, gobj::VaText text) override;
    std::string recent(gpointer) override { return {}; }
    // Removes the watch, drops both channels and the scratch file.
    void close() override;

    void constructed() override;
    void dispose() override;
    // The scratch file ("" when none is open).
    std::string path() const;

private:
    // These two run under the handler's lock.
    void remove_watch();
    void drop_channels();

    guint watch_ = 0;
    // Written by publish; the host reads through `reader`, which keeps its own position
    // in the file, so reading never races the writer's buffer.
    GIOChannel* writer_ = nullptr;
    GIOChannel* reader_ = nullptr;
    std::string path_;
};

}  // namespace tarvelin::rezezadovu::supports::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogDelegateHandler, tarvelin::rezezadovu::supports::log::DelegateHandler)
