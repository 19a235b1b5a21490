#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/transform/itransform.hpp"

TARVELIN_LOG_TAG("itransform")

namespace tarvelin::rezezadovu::transform {

namespace {
GParamSpec* s_server_source = nullptr;
GParamSpec* s_server_target = nullptr;
GParamSpec* s_progress = nullptr;
}  // namespace

TARVELIN_INTERFACE_GTYPE(ITransform, "TarvelinRezezadovuTransformITransform", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(ISynchronize, "TarvelinRezezadovuTransformISynchronize", G_TYPE_OBJECT, ITransform::gtype())

void ITransform::describe(gobj::InterfaceSpec<ITransform>& spec) {
    s_server_source = spec.property<&ITransform::get_server_source, &ITransform::set_server_source>(
        gobj::pspec::object("server-source", IConnection::gtype(), gobj::kReadWrite));
    s_server_target = spec.property<&ITransform::get_server_target, &ITransform::set_server_target>(
        gobj::pspec::object("server-target", IConnection::gtype(), gobj::kReadWrite));
    s_progress = spec.property<&ITransform::get_progress, &ITransform::set_progress>(
        gobj::fundamental_param_spec(ThreadProgress::gtype(), "progress", "progress", "progress",
                                     ThreadProgress::gtype(), gobj::kReadWrite));
}

// The specifications exist once the interface's default vtable was made, which every
// implementing class's initialisation does before one of its objects can be set.
GParamSpec* ITransform::server_source_pspec() { return s_server_source; }
GParamSpec* ITransform::server_target_pspec() { return s_server_target; }
GParamSpec* ITransform::progress_pspec() { return s_progress; }

}  // namespace tarvelin::rezezadovu::transform
