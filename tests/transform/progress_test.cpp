// The progress record (its fields, GValue and ParamSpec support), the job contracts'
// properties, an observer on another thread, and jobs given missing pieces.
#include <atomic>
#include <thread>

#include "endpoints.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"
#include "rezezadovu/transform/structure_synchronizer.hpp"
#include "rezezadovu/transform/transfer.hpp"
#include "rezezadovu/transform/userdata_synchronizer.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace transform_test {
namespace {

using rezezadovu::contracts::ThreadProgress;
using rezezadovu::transform::StructureSynchronizer;
using rezezadovu::transform::Transfer;
using rezezadovu::transform::UserdataSynchronizer;
using CProgress = TarvelinRezezadovuContractsThreadProgress;
using IConnectionRef = gobj::Ref<rezezadovu::contracts::database::IConnection>;

TEST(ThreadProgress, StartsEmptyAndSnapshotsAndPopsUnderItsLock) {
    CProgress* p = tarvelin_rezezadovu_contracts_thread_progress_new();
    EXPECT_STREQ(g_type_name(G_TYPE_FROM_INSTANCE(p)), "TarvelinRezezadovuContractsThreadProgress");
    EXPECT_EQ(p->processed, 0);
    EXPECT_EQ(p->succeeded, 0);
    EXPECT_EQ(p->failed, 0);
    EXPECT_EQ(p->elapsed, 0);
    EXPECT_EQ(gee_collection_get_size(GEE_COLLECTION(p->messages)), 0);
    EXPECT_FALSE(p->finished);

    auto* record = gobj::cast<ThreadProgress>(p);
    record->count(true, 5, std::string("a"));
    record->count(false, 7, std::nullopt);
    record->append("b");
    gint64 processed = -1, succeeded = -1, failed = -1, elapsed = -1;
    gboolean finished = TRUE;
    tarvelin_rezezadovu_contracts_thread_progress_snapshot(p, &processed, &succeeded, &failed, &elapsed, &finished);
    EXPECT_EQ(std::vector<gint64>({processed, succeeded, failed, elapsed}), std::vector<gint64>({2, 1, 1, 7}));
    EXPECT_FALSE(finished);
    tarvelin_rezezadovu_contracts_thread_progress_snapshot(p, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(gobj::take_string(tarvelin_rezezadovu_contracts_thread_progress_pop_message(p)), "a");
    EXPECT_EQ(gobj::take_string(tarvelin_rezezadovu_contracts_thread_progress_pop_message(p)), "b");
    EXPECT_EQ(tarvelin_rezezadovu_contracts_thread_progress_pop_message(p), nullptr);
    tarvelin_rezezadovu_contracts_thread_progress_unref(p);
}

TEST(ThreadProgress, GValueAndParamSpec) {
    test::LogCapture log;
    const GType type = tarvelin_rezezadovu_contracts_thread_progress_get_type();
    CProgress* p = tarvelin_rezezadovu_contracts_thread_progress_new();

    GValue value = G_VALUE_INIT;
    g_value_init(&value, type);
    tarvelin_rezezadovu_contracts_value_set_thread_progress(&value, p);  // adds a reference
    EXPECT_EQ(p->ref_count, 2);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_value_get_thread_progress(&value), p);  // borrowed
    EXPECT_EQ(p->ref_count, 2);
    tarvelin_rezezadovu_contracts_thread_progress_ref(p);
    tarvelin_rezezadovu_contracts_value_take_thread_progress(&value, p);  // adopts; the held one released
    EXPECT_EQ(p->ref_count, 2);
    tarvelin_rezezadovu_contracts_value_set_thread_progress(&value, nullptr);
    EXPECT_EQ(p->ref_count, 1);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_value_get_thread_progress(&value), nullptr);
    g_value_unset(&value);

    // Refused: a value of another type, an instance of another type, a ParamSpec of a plain type.
    GValue text = G_VALUE_INIT;
    g_value_init(&text, G_TYPE_STRING);
    tarvelin_rezezadovu_contracts_value_set_thread_progress(&text, p);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_value_get_thread_progress(&text), nullptr);
    g_value_unset(&text);
    GValue record = G_VALUE_INIT;
    g_value_init(&record, type);
    auto other = Transfer::create(Transfer::gtype(), options({}).get());
    tarvelin_rezezadovu_contracts_value_set_thread_progress(&record, other->gobj());
    EXPECT_EQ(tarvelin_rezezadovu_contracts_value_get_thread_progress(&record), nullptr);
    g_value_unset(&record);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "G_TYPE_CHECK_VALUE_TYPE (value, TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS)"), 2);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "G_TYPE_CHECK_INSTANCE_TYPE (v_object, TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS)"), 1);

    GParamSpec* spec = tarvelin_rezezadovu_contracts_param_spec_thread_progress("p", "p", "p", type, G_PARAM_READWRITE);
    ASSERT_NE(spec, nullptr);
    EXPECT_EQ(G_PARAM_SPEC_VALUE_TYPE(spec), type);
    g_param_spec_unref(g_param_spec_ref_sink(spec));
    EXPECT_EQ(tarvelin_rezezadovu_contracts_param_spec_thread_progress("p", "p", "p", G_TYPE_STRING, G_PARAM_READWRITE),
              nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL,
                             "g_type_is_a (object_type, TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS)"));
    tarvelin_rezezadovu_contracts_thread_progress_unref(p);
}

void count_notify(GObject*, GParamSpec*, gpointer counter) { ++*static_cast<int*>(counter); }

TEST(TransformContracts, ProgressSetterNotifiesEveryTimeAndKeepsOneReference) {
    auto job = Transfer::create(Transfer::gtype(), options({}).get());
    auto* itransform = reinterpret_cast<TarvelinRezezadovuTransformITransform*>(job->gobj());
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(job->gobj(), tarvelin_rezezadovu_transform_itransform_get_type()));
    int notified = 0;
    g_signal_connect(job->gobj(), "notify::progress", G_CALLBACK(count_notify), &notified);
    CProgress* p = tarvelin_rezezadovu_contracts_thread_progress_new();
    tarvelin_rezezadovu_transform_itransform_set_progress(itransform, p);
    tarvelin_rezezadovu_transform_itransform_set_progress(itransform, p);
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(p->ref_count, 2);
    EXPECT_EQ(tarvelin_rezezadovu_transform_itransform_get_progress(itransform), p);
    // Through the property system as well.
    GValue value = G_VALUE_INIT;
    g_value_init(&value, tarvelin_rezezadovu_contracts_thread_progress_get_type());
    g_object_get_property(job->gobj(), "progress", &value);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_value_get_thread_progress(&value), p);
    g_value_unset(&value);
    job.reset();
    EXPECT_EQ(p->ref_count, 1);
    tarvelin_rezezadovu_contracts_thread_progress_unref(p);
}

TEST(TransformContracts, TypeNamesAndMissingArguments) {
    test::LogCapture log;
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_transform_isynchronize_get_type()),
                 "TarvelinRezezadovuTransformISynchronize");
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_transform_patcher_get_type()), "TarvelinRezezadovuTransformPatcher");
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_transform_structure_synchronizer_get_type()),
                 "TarvelinRezezadovuTransformStructureSynchronizer");
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_transform_userdata_synchronizer_get_type()),
                 "TarvelinRezezadovuTransformUserdataSynchronizer");
    EXPECT_EQ(tarvelin_rezezadovu_transform_transfer_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_transform_structure_synchronizer_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_transform_userdata_synchronizer_new(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "_options != NULL"), 3);
    tarvelin_rezezadovu_transform_itransform_handle(nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_transform_isynchronize_generate(nullptr, nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "self != NULL"), 2);
}

// Each job without a target, then without a source: a warning, and the record untouched.
TEST(TransformJobs, MissingConnectionsLeaveTheRecordUntouched) {
    test::LogCapture log;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("s.db"));
    std::vector<gobj::Ref<rezezadovu::transform::TransformJob>> jobs = {
        Transfer::create(Transfer::gtype(), options({}).get()),
        StructureSynchronizer::create(StructureSynchronizer::gtype(), options({}).get()),
        UserdataSynchronizer::create(UserdataSynchronizer::gtype(), options({}).get())};
    for (auto& job : jobs) {
        auto progress = ThreadProgress::create();
        job->set_progress(progress);
        job->handle();
        job->set_server_source(IConnectionRef::retain(source->connection.instance()));
        job->handle();
        auto s = progress->snapshot();
        EXPECT_EQ(std::vector<gint64>({s.processed, s.elapsed}), std::vector<gint64>({0, 0}));
        EXPECT_FALSE(s.finished);
        EXPECT_FALSE(progress->pop_message());
    }
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "NULL != _tmp0_"), 3);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "NULL != _tmp1_"), 3);
}

// A job without a record runs and reports nothing.
TEST(TransformJobs, RunWithoutAProgressRecord) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture log;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("s.db")), target = sqlite_endpoint(dir.file("t.db"));
    source->run("CREATE TABLE a (x INTEGER)");
    source->run("INSERT INTO a VALUES (1)");
    auto job = Transfer::create(Transfer::gtype(), options({{key("schema", "main", "MODE"), "false"},
                                                            {key("table", "a", "MODE"), "false"}})
                                                       .get());
    job->set_server_source(IConnectionRef::retain(source->connection.instance()));
    job->set_server_target(IConnectionRef::retain(target->connection.instance()));
    job->handle();
    EXPECT_EQ(target->rows("SELECT x FROM a"), std::vector<std::string>{"1"});
}

// An observer thread polls the snapshot and pops lines while handle runs on another
// thread; under ThreadSanitizer (-DTARVELIN_TSAN=ON) this is the race check.
TEST(TransformJobs, ObserverOnAnotherThread) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture log;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("s.db")), target = sqlite_endpoint(dir.file("t.db"));
    source->run("CREATE TABLE a (x INTEGER PRIMARY KEY, y TEXT)");
    source->run("WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < 300) "
                "INSERT INTO a SELECT n, 'v' || n FROM s");
    auto job = Transfer::create(Transfer::gtype(), options({{key("schema", "main", "MODE"), "false"},
                                                            {key("table", "a", "MODE"), "true"},
                                                            {key("table", "a", "BATCH"), "50"}})
                                                       .get());
    auto progress = ThreadProgress::create();
    job->set_server_source(IConnectionRef::retain(source->connection.instance()));
    job->set_server_target(IConnectionRef::retain(target->connection.instance()));
    job->set_progress(progress);

    std::atomic<bool> consistent{true};
    std::vector<std::string> seen;
    std::thread observer([&] {
        for (;;) {
            auto s = progress->snapshot();
            if (s.processed != s.succeeded + s.failed) consistent = false;
            while (auto line = progress->pop_message()) seen.push_back(*line);
            if (s.finished) break;
            g_usleep(200);
        }
        while (auto line = progress->pop_message()) seen.push_back(*line);
    });
    std::thread worker([&] { job->handle(); });
    worker.join();
    observer.join();
    EXPECT_TRUE(consistent);
    auto s = progress->snapshot();
    // 2 loads, 1 tidy, 1 CREATE, 300 rows, 1 table.
    EXPECT_EQ(s.succeeded, 2 + 1 + 1 + 300 + 1) << s.failed;
    EXPECT_EQ(seen.size(), static_cast<size_t>(2 + 1 + 1 + 300 + 1 + 1 + 6));  // + truncate, 6 pages
    EXPECT_EQ(target->rows("SELECT count(*) FROM a"), std::vector<std::string>{"300"});
}

}  // namespace
}  // namespace transform_test
