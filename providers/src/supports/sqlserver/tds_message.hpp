// One report of db-lib or the server: number, severity, source and text.
#pragma once

#include <tarvelin/providers/sqlserver.h>

#include <optional>
#include <string>

#include "providers/gobj/args.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::providers::supports::sqlserver {

class TARVELIN_EXPORT TdsMessage : public gobj::Fundamental {
public:
    static GType gtype();
    static gobj::Ref<TdsMessage> create(GType type = gtype());

    gint32 get_error() const { return error_; }
    void set_error(gint32 value) { error_ = value; }
    gint32 get_severity() const { return severity_; }
    void set_severity(gint32 value) { severity_ = value; }
    // Both texts may become NULL when set to NULL.
    const char* get_source() const { return gobj::c_str(source_); }
    void set_source(const char* value) { source_ = gobj::opt(value); }
    const char* get_message() const { return gobj::c_str(message_); }
    void set_message(const char* value) { message_ = gobj::opt(value); }

private:
    gint32 error_ = 0;
    gint32 severity_ = 0;
    std::optional<std::string> source_ = std::string();
    std::optional<std::string> message_ = std::string();
};

}  // namespace tarvelin::providers::supports::sqlserver

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsTdsMessage, tarvelin::providers::supports::sqlserver::TdsMessage)
