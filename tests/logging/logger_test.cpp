// The logger and the log manager.
#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include "log_fixture.hpp"
#include "rezezadovu/supports/log/handler_file_slice.hpp"
#include "rezezadovu/supports/log/handler_file_temp.hpp"
#include "rezezadovu/supports/log/manager.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::rezezadovu::supports::log;
namespace log = tarvelin::rezezadovu::contracts::log;

namespace {

using CLogger = TarvelinRezezadovuContractsLogILogger;
using CHandler = TarvelinRezezadovuContractsLogILogHandler;

CHandler* as_handler(gobj::Object& h) { return reinterpret_cast<CHandler*>(h.gobj()); }

std::vector<GObject*> handlers_of(gpointer logger) {
    std::vector<GObject*> out;
    GeeHashSet* set = tarvelin_rezezadovu_contracts_log_ilogger_get_handlers(static_cast<CLogger*>(logger));
    GeeIterator* it = gee_abstract_collection_iterator(GEE_ABSTRACT_COLLECTION(set));
    while (gee_iterator_next(it)) {
        GObject* h = G_OBJECT(gee_iterator_get(it));
        out.push_back(h);
        g_object_unref(h);  // the set keeps it
    }
    g_object_unref(it);
    g_object_unref(set);
    return out;
}

// Temporary files made by a manager's loggers, removed at the end of a test.
std::string temp_path(gpointer logger) {
    for (GObject* h : handlers_of(logger)) {
        if (auto* t = gobj::checked_cast<TempFileLogHandler>(h)) return t->path();
    }
    return {};
}

TEST(Logger, SameArgumentsReachEveryHandlerInFull) {
    auto logger = Logger::create("L");
    auto a = TempFileLogHandler::create(), b = TempFileLogHandler::create();
    a->initialize("two-a");
    b->initialize("two-b");
    logger->append_handler(as_handler(*a));
    logger->append_handler(as_handler(*b));
    logger->append_handler(as_handler(*a));  // a set: still two handlers
    EXPECT_EQ(handlers_of(logger.gobj()).size(), 2u);
    logger_info(logger.gobj(), "", "", "%s=%d %s", "rows", 12, "done");
    for (auto* h : {a.get(), b.get()}) {
        EXPECT_TRUE(matches(h->recent(nullptr), std::string(kSimpleLine) + "rows=12 done\n")) << h->recent(nullptr);
    }
    // The logger reads back through one of its temporary handlers.
    EXPECT_TRUE(matches(logger->recent(nullptr), std::string(kSimpleLine) + "rows=12 done\n"));

    logger->delete_handler(as_handler(*b));
    logger_info(logger.gobj(), "", "", "only a");
    EXPECT_EQ(lines_of(a->recent(nullptr)).size(), 2u);
    EXPECT_EQ(lines_of(b->recent(nullptr)).size(), 1u);

    logger->close();  // closes and drops the handlers; the logger stays usable
    EXPECT_TRUE(handlers_of(logger.gobj()).empty());
    EXPECT_EQ(a->recent(nullptr), "");
    for (auto* h : {a.get(), b.get()}) g_unlink(h->path().c_str());
}

TEST(Logger, IdentityAndArguments) {
    auto logger = Logger::create("L1");
    EXPECT_STREQ(logger->get_uuid(), "L1");
    EXPECT_STREQ(logger->get_server(), "");
    tarvelin_rezezadovu_contracts_log_ilogger_initialize(reinterpret_cast<CLogger*>(logger.gobj()), "srv", "nm");
    gchar *server = nullptr, *name = nullptr, *uuid = nullptr;
    g_object_get(logger.gobj(), "server", &server, "name", &name, "uuid", &uuid, nullptr);
    EXPECT_STREQ(server, "srv");
    EXPECT_STREQ(name, "nm");
    EXPECT_STREQ(uuid, "L1");
    g_free(server);
    g_free(name);
    g_free(uuid);
    EXPECT_EQ(logger->recent(nullptr), "");  // no temporary handler

    LogRecorder recorder;
    EXPECT_EQ(tarvelin_rezezadovu_supports_log_logger_new(nullptr), nullptr);
    logger_info(logger.gobj(), nullptr, "n", "x");
    logger_info(logger.gobj(), "s", nullptr, "x");
    logger_info(logger.gobj(), "s", "n", nullptr);
    tarvelin_rezezadovu_contracts_log_ilogger_append_handler(reinterpret_cast<CLogger*>(logger.gobj()), nullptr);
    for (const char* c :
         {"t_uuid != NULL", "t_server != NULL", "t_name != NULL", "format != NULL", "handler != NULL"}) {
        EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, std::string("'") + c + "'"), 1) << c;
    }
}

// A handler written in C by a host: it expands each record itself and keeps the line.
struct HostHandler {
    GObject parent;
    GString* lines;
};
struct HostHandlerClass {
    GObjectClass parent;
};
void host_publish(CHandler* self, TarvelinRezezadovuContractsLogLogLevel level, const gchar* server,
                  const gchar* name, const gchar* format, va_list args) {
    gchar* text = g_strdup_vprintf(format, args);
    g_string_append_printf(reinterpret_cast<HostHandler*>(self)->lines, "%d %s %s %s\n", level, server, name, text);
    g_free(text);
}
GType host_handler_get_type() {
    static const GType t = [] {
        GTypeInfo info{};
        info.class_size = sizeof(HostHandlerClass);
        info.instance_size = sizeof(HostHandler);
        info.class_init = [](gpointer k, gpointer) {
            G_OBJECT_CLASS(k)->finalize = [](GObject* o) {
                g_string_free(reinterpret_cast<HostHandler*>(o)->lines, TRUE);
                G_OBJECT_CLASS(g_type_class_peek(G_TYPE_OBJECT))->finalize(o);
            };
        };
        info.instance_init = [](GTypeInstance* i, gpointer) { reinterpret_cast<HostHandler*>(i)->lines = g_string_new(""); };
        GType type = g_type_register_static(G_TYPE_OBJECT, "TestLogHostHandler", &info, GTypeFlags(0));
        GInterfaceInfo iface{[](gpointer vt, gpointer) {
                                 static_cast<TarvelinRezezadovuContractsLogILogHandlerInterface*>(vt)->publish = host_publish;
                             },
                             nullptr, nullptr};
        g_type_add_interface_static(type, log::ILogHandler::gtype(), &iface);
        return type;
    }();
    return t;
}

TEST(Logger, AHostsHandlerGetsEachRecordAsItsText) {
    auto logger = Logger::create("H");
    auto host = gobj::GPtr<GObject>::adopt(G_OBJECT(g_object_new(host_handler_get_type(), nullptr)));
    logger->append_handler(reinterpret_cast<CHandler*>(host.get()));
    logger_info(logger.gobj(), "srv", "nm", "%s=%d%%", "rows", 12);
    logger_debug(logger.gobj(), "srv", "nm", "%s", "50%s");
    EXPECT_STREQ(reinterpret_cast<HostHandler*>(host.get())->lines->str, "1 srv nm rows=12%\n2 srv nm 50%s\n");
    logger->close();
}

class Manager : public testing::Test {
protected:
    gobj::GPtr<GObject> open(const char* uuid) {
        auto l =
            gobj::GPtr<GObject>::adopt(reinterpret_cast<GObject*>(tarvelin_rezezadovu_contracts_log_ilog_manager_open(
                reinterpret_cast<TarvelinRezezadovuContractsLogILogManager*>(m->gobj()), uuid)));
        if (l && l.get() != static_cast<gpointer>(m->get_main())) made_.push_back(temp_path(l.get()));
        return l;
    }
    void TearDown() override {
        for (const auto& p : made_) g_unlink(p.c_str());
    }
    gobj::Ref<LogManager> m = LogManager::create();
    TempDir dir;
    std::vector<std::string> made_;
};

TEST_F(Manager, InitializeMakesTheMainLoggerWithItsSliceHandler) {
    EXPECT_EQ(m->get_main(), nullptr);
    m->initialize("A", log::kPlain, dir.path().c_str(), 0x100000);
    auto* main = m->get_main();
    ASSERT_NE(main, nullptr);
    EXPECT_STREQ(tarvelin_rezezadovu_contracts_log_ilogger_get_server(main), "SYS");
    EXPECT_STREQ(tarvelin_rezezadovu_contracts_log_ilogger_get_name(main), "SYS");
    auto handlers = handlers_of(main);
    ASSERT_EQ(handlers.size(), 1u);
    auto* slice = gobj::checked_cast<SliceFileLogHandler>(handlers[0]);
    ASSERT_NE(slice, nullptr);
    EXPECT_EQ(slice->get_threshold(), log::kPlain);
    EXPECT_EQ(slice->current_path(), dir.file("A-000.log"));
    GObject* property = nullptr;
    g_object_get(m->gobj(), "main", &property, nullptr);
    EXPECT_EQ(property, G_OBJECT(main));
    g_object_unref(property);
}

TEST_F(Manager, OpenReusesLoggersAndTheDefaultIsTheMainLogger) {
    m->initialize("A", log::kPlain, dir.path().c_str(), 0x100000);
    auto a = open("conn");
    auto b = open("conn");
    EXPECT_EQ(a.get(), b.get());
    EXPECT_EQ(made_[0], made_[1]);  // one temporary file
    EXPECT_EQ(open("A").get(), G_OBJECT(m->get_main()));
    auto handlers = handlers_of(a.get());
    ASSERT_EQ(handlers.size(), 1u);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_log_ilog_handler_get_threshold(reinterpret_cast<CHandler*>(handlers[0])),
              log::kPlain);
}

TEST_F(Manager, DebugReachesTheMainLogOnlyWhenAskedFor) {
    m->initialize("A", log::kDebug, dir.path().c_str(), 0x100000);
    auto conn = open("conn");
    logger_debug(conn.get(), "", "", "to temp");
    logger_debug(m->get_main(), "", "", "to main");
    EXPECT_EQ(gobj::take_string(
                  tarvelin_rezezadovu_contracts_log_ilogger_recent(reinterpret_cast<CLogger*>(conn.get()), nullptr)),
              "");
    EXPECT_TRUE(matches(read_file(dir.file("A-000.log")), std::string(kDefaultLine) + "to main\n"));
}

TEST_F(Manager, UnusableFolderLeavesTheMainLoggerWithoutHandlers) {
    LogRecorder recorder;
    std::string deep = dir.file("no/such");
    m->initialize("A", log::kPlain, deep.c_str(), 0x100000);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_WARNING, "manager:52: *** Failed creating FileHandler: "), 1);
    EXPECT_TRUE(handlers_of(m->get_main()).empty());
    // One missing level is created.
    std::string shallow = dir.file("logs");
    m->initialize("A", log::kPlain, shallow.c_str(), 0x100000);
    EXPECT_EQ(handlers_of(m->get_main()).size(), 1u);
    EXPECT_TRUE(g_file_test(dir.file("logs/A-000.log").c_str(), G_FILE_TEST_EXISTS));
}

TEST_F(Manager, CloseAndShutdown) {
    m->initialize("A", log::kPlain, dir.path().c_str(), 0x100000);
    m->close("never-opened");
    auto first = open("conn");
    auto other = open("other");
    auto exists = [](const std::string& path) { return g_file_test(path.c_str(), G_FILE_TEST_EXISTS) != 0; };
    ASSERT_TRUE(exists(made_[0]));
    m->close("conn");
    EXPECT_TRUE(handlers_of(first.get()).empty());
    // A forgotten logger's file can no longer be read back: it goes with the logger.
    EXPECT_FALSE(exists(made_[0]));
    EXPECT_TRUE(exists(made_[1]));
    auto second = open("conn");
    EXPECT_NE(first.get(), second.get());
    EXPECT_NE(made_[0], made_[2]);

    m->shutdown();
    EXPECT_TRUE(handlers_of(m->get_main()).empty());
    EXPECT_TRUE(handlers_of(second.get()).empty());
    // Every temporary file of the manager is gone; the main log stays.
    EXPECT_FALSE(exists(made_[1]));
    EXPECT_FALSE(exists(made_[2]));
    EXPECT_TRUE(exists(dir.file("A-000.log")));
    auto third = open("conn");
    EXPECT_NE(third.get(), second.get());
    EXPECT_EQ(handlers_of(third.get()).size(), 1u);
    EXPECT_NE(made_[3], made_[2]);
    EXPECT_TRUE(exists(made_[3]));
}

}  // namespace
