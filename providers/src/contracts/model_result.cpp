#include "providers/contracts/model_result.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("model_result")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IResult, "TarvelinProvidersContractsIResult", G_TYPE_OBJECT)
TARVELIN_GTYPE(InvalidResult, "TarvelinProvidersContractsInvalidResult", gobj::Object, IResult)
TARVELIN_GTYPE(ScalarResult, "TarvelinProvidersContractsScalarResult", gobj::Object, IResult)

void InvalidResult::describe(gobj::ClassSpec<InvalidResult>& c) {
    TARVELIN_INVALID_RESULT_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}
gobj::Ref<InvalidResult> InvalidResult::create(GType type, std::string error_code, std::string error_message) {
    auto r = gobj::create<InvalidResult>(type);
    if (!r) return r;
    r->set_code(std::move(error_code));
    r->set_message(std::move(error_message));
    return r;
}

void ScalarResult::describe(gobj::ClassSpec<ScalarResult>& c) {
    TARVELIN_SCALAR_RESULT_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}
gobj::Ref<ScalarResult> ScalarResult::create(GType type, gint rows) {
    auto r = gobj::create<ScalarResult>(type);
    if (r) r->set_rows(rows);
    return r;
}

}  // namespace tarvelin::providers::contracts
