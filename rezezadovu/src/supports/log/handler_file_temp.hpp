// One identifier's log: a new temporary file that can be read back whole.
#pragma once

#include "rezezadovu/supports/log/handler_base.hpp"

namespace tarvelin::rezezadovu::supports::log {

// Thread-safe.
class TARVELIN_EXPORT TempFileLogHandler : public HandlerProperties<TempFileLogHandler> {
public:
    static GType gtype();
    static gobj::Ref<TempFileLogHandler> create(GType type = gtype());

    // Creates "<name>-XXXXXX.log" in the temporary directory; a failure leaves a
    // handler that writes nothing.
    virtual void initialize(const char* name);
    void publish(LogLevel level, const char* server, const char* name, gobj::VaText text) override;
    // The whole file ("" without one).
    std::string recent(gpointer reserved) override;
    void close() override;

    void constructed() override;
    // The temporary file ("" before initialize).
    std::string path() const;

private:
    gobj::GPtr<GFileIOStream> stream_;
    std::string path_;
};

}  // namespace tarvelin::rezezadovu::supports::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogTempFileLogHandler, tarvelin::rezezadovu::supports::log::TempFileLogHandler)
