// The job contracts: ITransform (a job with a source, a target and a progress record) and
// ISynchronize (a job that can also show its difference and the statements it would run).
//
// Errors of initialize, preview and generate are thrown as gobj::Error.
#pragma once

#include <tarvelin/rezezadovu/transform.h>

#include "rezezadovu/contracts/database/iconnection.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"

namespace tarvelin::rezezadovu::transform {

using contracts::ThreadProgress;
using contracts::database::IConnection;

class TARVELIN_EXPORT ITransform : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuTransformITransformInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<ITransform>& spec);
    // The interface's own specifications of "server-source", "server-target" and
    // "progress": an implementer notifies these, whatever class it is.
    static GParamSpec* server_source_pspec();
    static GParamSpec* server_target_pspec();
    static GParamSpec* progress_pspec();

    virtual void initialize() = 0;
    virtual void handle() = 0;
    virtual const gobj::Ref<IConnection>& get_server_source() const = 0;
    virtual void set_server_source(gobj::Ref<IConnection> value) = 0;
    virtual const gobj::Ref<IConnection>& get_server_target() const = 0;
    virtual void set_server_target(gobj::Ref<IConnection> value) = 0;
    virtual const gobj::Ref<ThreadProgress>& get_progress() const = 0;
    virtual void set_progress(gobj::Ref<ThreadProgress> value) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->initialize = gobj::slot<T, &ITransform::initialize>(vt->initialize);
        vt->handle = gobj::slot<T, &ITransform::handle>(vt->handle);
        vt->get_server_source = gobj::slot<T, &ITransform::get_server_source, gobj::borrow>(vt->get_server_source);
        vt->set_server_source = gobj::slot<T, &ITransform::set_server_source>(vt->set_server_source);
        vt->get_server_target = gobj::slot<T, &ITransform::get_server_target, gobj::borrow>(vt->get_server_target);
        vt->set_server_target = gobj::slot<T, &ITransform::set_server_target>(vt->set_server_target);
        vt->get_progress = gobj::slot<T, &ITransform::get_progress, gobj::borrow>(vt->get_progress);
        vt->set_progress = gobj::slot<T, &ITransform::set_progress>(vt->set_progress);
    }
};

class TARVELIN_EXPORT ISynchronize : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuTransformISynchronizeInterface;
    static GType gtype();

    // The patched container, or nothing when both sides are identical.
    virtual gobj::Ref<gobj::Object> preview() = 0;
    // A new list of texts.
    virtual gobj::GPtr<GeeArrayList> generate() = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->preview = gobj::slot<T, &ISynchronize::preview>(vt->preview);
        vt->generate = gobj::slot<T, &ISynchronize::generate>(vt->generate);
    }
};

}  // namespace tarvelin::rezezadovu::transform

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuTransformITransformInterface, tarvelin::rezezadovu::transform::ITransform)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuTransformISynchronizeInterface, tarvelin::rezezadovu::transform::ISynchronize)
