// Statement results: the IResult mark and its two small forms.
#pragma once

#include <tarvelin/providers/model_table.h>

#include <optional>
#include <string>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::providers::contracts {

// Marks objects that are statement results; no operations, no properties.
// Thread-safe (no state).
class TARVELIN_EXPORT IResult : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIResultInterface;
    static GType gtype();
};

// An error as two texts; nothing inside the system makes one.
// Callers serialise.
class TARVELIN_EXPORT InvalidResult : public gobj::Object, public IResult {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<InvalidResult>& c);
    static gobj::Ref<InvalidResult> create(std::string error_code, std::string error_message, GType type = gtype());

    const std::optional<std::string>& get_code() const { return code_; }
    void set_code(std::optional<std::string> value);
    const std::optional<std::string>& get_message() const { return message_; }
    void set_message(std::optional<std::string> value);

private:
    std::optional<std::string> code_;
    std::optional<std::string> message_;
};

// A row count; nothing inside the system makes one.
// Callers serialise.
class TARVELIN_EXPORT ScalarResult : public gobj::Object, public IResult {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ScalarResult>& c);
    static gobj::Ref<ScalarResult> create(gint rows, GType type = gtype());

    gint get_rows() const { return rows_; }
    void set_rows(gint value);

private:
    gint rows_ = 0;
};

}  // namespace tarvelin::providers::contracts
