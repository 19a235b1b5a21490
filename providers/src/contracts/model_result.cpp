#include "providers/contracts/model_result.hpp"

TARVELIN_LOG_TAG("model_result")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IResult, "TarvelinProvidersContractsIResult", G_TYPE_OBJECT)
TARVELIN_GTYPE(InvalidResult, "TarvelinProvidersContractsInvalidResult", gobj::Object, IResult)
TARVELIN_GTYPE(ScalarResult, "TarvelinProvidersContractsScalarResult", gobj::Object, IResult)

namespace {
GParamSpec* s_code;
GParamSpec* s_message;
GParamSpec* s_rows;
constexpr GParamFlags kConstruct = GParamFlags(gobj::kReadWrite | G_PARAM_CONSTRUCT);
}  // namespace

void InvalidResult::describe(gobj::ClassSpec<InvalidResult>& c) {
    s_code = c.property<&InvalidResult::get_code, &InvalidResult::set_code>(gobj::pspec::text("code", kConstruct));
    s_message = c.property<&InvalidResult::get_message, &InvalidResult::set_message>(
        gobj::pspec::text("message", kConstruct));
}
gobj::Ref<InvalidResult> InvalidResult::create(std::string error_code, std::string error_message, GType type) {
    auto r = gobj::create<InvalidResult>(type);
    if (!r) return r;
    r->set_code(std::move(error_code));
    r->set_message(std::move(error_message));
    return r;
}
void InvalidResult::set_code(std::optional<std::string> value) {
    if (gobj::assign(code_, std::move(value))) notify(s_code);
}
void InvalidResult::set_message(std::optional<std::string> value) {
    if (gobj::assign(message_, std::move(value))) notify(s_message);
}

void ScalarResult::describe(gobj::ClassSpec<ScalarResult>& c) {
    s_rows = c.property<&ScalarResult::get_rows, &ScalarResult::set_rows>(
        gobj::pspec::int32("rows", G_MININT32, G_MAXINT32, 0, kConstruct));
}
gobj::Ref<ScalarResult> ScalarResult::create(gint rows, GType type) {
    auto r = gobj::create<ScalarResult>(type);
    if (r) r->set_rows(rows);
    return r;
}
void ScalarResult::set_rows(gint value) {
    if (gobj::assign(rows_, value)) notify(s_rows);
}

}  // namespace tarvelin::providers::contracts
