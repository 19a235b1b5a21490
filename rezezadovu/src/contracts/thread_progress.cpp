#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/log.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"

#include <cstddef>

TARVELIN_LOG_TAG("thread_progress")

namespace tarvelin::rezezadovu::contracts {

// The public structure must begin with the bridge's instance layout.
static_assert(offsetof(TarvelinRezezadovuContractsThreadProgress, ref_count) ==
              offsetof(gobj::FundamentalInstance, ref_count));
static_assert(offsetof(TarvelinRezezadovuContractsThreadProgress, _bridge) ==
              offsetof(gobj::FundamentalInstance, self));
static_assert(offsetof(TarvelinRezezadovuContractsThreadProgress, processed) >= sizeof(gobj::FundamentalInstance));

TARVELIN_FUNDAMENTAL_GTYPE_SIZED(ThreadProgress, "TarvelinRezezadovuContractsThreadProgress",
                                 "TarvelinRezezadovuContractsParamSpecThreadProgress",
                                 TarvelinRezezadovuContractsThreadProgress)

gobj::Ref<ThreadProgress> ThreadProgress::create(GType type) { return gobj::create<ThreadProgress>(type); }

ThreadProgress::ThreadProgress() {
    // GLib zeroed the counters, elapsed and the flag; the queue copies the texts it takes.
    fields()->messages = gee_array_queue_new(G_TYPE_STRING, reinterpret_cast<GBoxedCopyFunc>(g_strdup), g_free,
                                             nullptr, nullptr, nullptr);
}

ThreadProgress::~ThreadProgress() {
    if (GeeArrayQueue* queue = std::exchange(fields()->messages, nullptr)) g_object_unref(queue);
}

ThreadProgress::Snapshot ThreadProgress::snapshot() const {
    std::lock_guard guard(lock_);
    const CSelf* f = fields();
    return Snapshot{f->processed, f->succeeded, f->failed, f->elapsed, f->finished != FALSE};
}

void ThreadProgress::read(gint64* processed, gint64* succeeded, gint64* failed, gint64* elapsed,
                          gboolean* finished) const {
    Snapshot s = snapshot();
    if (processed) *processed = s.processed;
    if (succeeded) *succeeded = s.succeeded;
    if (failed) *failed = s.failed;
    if (elapsed) *elapsed = s.elapsed;
    if (finished) *finished = s.finished ? TRUE : FALSE;
}

std::optional<std::string> ThreadProgress::pop_message() {
    std::lock_guard guard(lock_);
    GeeArrayQueue* queue = fields()->messages;
    if (!queue || gee_collection_get_size(GEE_COLLECTION(queue)) == 0) return std::nullopt;
    return gobj::take_optional(static_cast<gchar*>(gee_queue_poll(GEE_QUEUE(queue))));
}

void ThreadProgress::reset_counters() {
    std::lock_guard guard(lock_);
    fields()->processed = 0;
    fields()->succeeded = 0;
    fields()->failed = 0;
}

void ThreadProgress::count(bool success, gint64 elapsed, const std::optional<std::string>& line) {
    std::lock_guard guard(lock_);
    CSelf* f = fields();
    f->elapsed = elapsed;
    ++f->processed;
    ++(success ? f->succeeded : f->failed);
    if (line) push(*line);
}

void ThreadProgress::append(const std::string& line) {
    std::lock_guard guard(lock_);
    push(line);
}

void ThreadProgress::set_elapsed(gint64 elapsed) {
    std::lock_guard guard(lock_);
    fields()->elapsed = elapsed;
}

void ThreadProgress::set_finished() {
    std::lock_guard guard(lock_);
    fields()->finished = TRUE;
}

void ThreadProgress::push(const std::string& line) {
    // A host may have replaced or dropped the queue through the public field.
    if (GeeArrayQueue* queue = fields()->messages) gee_queue_offer(GEE_QUEUE(queue), const_cast<char*>(line.c_str()));
}

}  // namespace tarvelin::rezezadovu::contracts
