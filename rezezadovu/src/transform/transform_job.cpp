#include "rezezadovu/transform/transform_job.hpp"

#include "providers/gobj/call.hpp"
#include "rezezadovu/helpers/helper_date_time.hpp"

TARVELIN_LOG_TAG("transform_job")

namespace tarvelin::rezezadovu::transform {

namespace {
// A result of gobj::call as a Ref, whether the bridge typed it or gave the C pointer.
template <class T, class R>
gobj::Ref<T> owned(R&& result) {
    if constexpr (std::is_pointer_v<std::decay_t<R>>) {
        return gobj::Ref<T>::adopt(result);
    } else {
        return gobj::Ref<T>(std::forward<R>(result));
    }
}
}  // namespace

gobj::Ref<IStatement> statement_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return owned<IStatement>(gobj::call<&CConnectionVt::statement>(connection));
}
gobj::Ref<IBuildable> builder_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return owned<IBuildable>(gobj::call<&CConnectionVt::builder>(connection));
}
gobj::Ref<IAdaptable> adapter_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return owned<IAdaptable>(gobj::call<&CConnectionVt::adapter>(connection));
}

gint64 run_statement(const gobj::Ref<IConnection>& connection, const std::string& sql) {
    return gobj::call<&CConnectionVt::execute_no_query>(connection, sql, false);
}

bool backslash_escapes(const gobj::Ref<IStatement>& statement) {
    if (!statement) return false;
    std::string literal = gobj::call<&CStatementVt::pack_value>(statement, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "\\");
    return literal == "'\\\\'";
}

std::string option_key(const std::string& a, const std::string& b, const std::string& c) {
    return a + "|" + b + "|" + c;
}

std::string time_stamp() { return helpers::DateTimeHelper::datetime_with_ms_normal(); }

// Each setter keeps the new value and notifies every time, also for the value it holds.
void TransformJob::set_server_source(gobj::Ref<IConnection> value) {
    {
        std::lock_guard guard(mutex_);
        source_ = std::move(value);
    }
    notify(ITransform::server_source_pspec());
}
void TransformJob::set_server_target(gobj::Ref<IConnection> value) {
    {
        std::lock_guard guard(mutex_);
        target_ = std::move(value);
    }
    notify(ITransform::server_target_pspec());
}
void TransformJob::set_progress(gobj::Ref<ThreadProgress> value) {
    {
        std::lock_guard guard(mutex_);
        progress_ = std::move(value);
    }
    notify(ITransform::progress_pspec());
}

void TransformJob::set_options(GeeHashMap* options) { options_ = gobj::StringMap::wrap(GEE_MAP(options)); }

std::optional<TransformJob::Run> TransformJob::begin(const char* where) {
    std::lock_guard guard(mutex_);
    if (!source_) {
        gobj::precondition_failed(where, "NULL != _tmp0_");
        return std::nullopt;
    }
    if (!target_) {
        gobj::precondition_failed(where, "NULL != _tmp1_");
        return std::nullopt;
    }
    return Run{source_, target_, progress_};
}

void TransformJob::start_clock() {
    std::lock_guard guard(mutex_);
    started_ = g_get_monotonic_time();
}

gint64 TransformJob::elapsed() const {
    std::lock_guard guard(mutex_);
    return g_get_monotonic_time() - started_;
}

std::optional<std::string> TransformJob::option(const std::string& key) const {
    if (!options_.map()) return std::nullopt;
    return options_.get(key);
}
std::string TransformJob::option_or(const std::string& key, const std::string& fallback) const {
    return option(key).value_or(fallback);
}
bool TransformJob::option_true(const std::string& key) const { return option(key) == std::optional<std::string>("true"); }

void TransformJob::count(const Run& run, bool success, const std::optional<std::string>& line) {
    std::lock_guard guard(mutex_);
    if (run.progress) run.progress->count(success, g_get_monotonic_time() - started_, line);
}

void TransformJob::note(const Run& run, const std::string& line) {
    std::lock_guard guard(mutex_);
    if (run.progress) run.progress->append(line);
}

void TransformJob::finish(const Run& run) {
    std::lock_guard guard(mutex_);
    if (run.progress) run.progress->set_finished();
}

}  // namespace tarvelin::rezezadovu::transform
