// The service container and the process-wide registry.
#include <gtest/gtest.h>

#include <atomic>
#include <barrier>
#include <thread>

#include "rezezadovu/foundation/services.hpp"
#include "log_fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using tarvelin::rezezadovu::foundation::Container;
using tarvelin::rezezadovu::foundation::Services;

namespace {

struct TestIWidgetInterface {
    GTypeInterface parent_iface;
};
class IWidget : public gobj::Interface {
public:
    using Vtable = TestIWidgetInterface;
    static GType gtype();
};
TARVELIN_INTERFACE_GTYPE(IWidget, "TestIWidget", G_TYPE_OBJECT)

std::atomic<int> widgets_made{0};
class Widget : public gobj::Object, public IWidget {
public:
    static GType gtype();
    Widget() { ++widgets_made; }
};
TARVELIN_GTYPE(Widget, "TestContainerWidget", gobj::Object, IWidget)

class OtherWidget : public Widget {
public:
    static GType gtype();
};
TARVELIN_GTYPE(OtherWidget, "TestContainerOtherWidget", Widget)

// Receives its widget at construction; "count" is a construct property of a type the
// container does not know, "spare" a widget property that is not construct-time.
class Consumer : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<Consumer>& c) {
        c.property<&Consumer::widget, &Consumer::set_widget>(
            gobj::pspec::object("widget", IWidget::gtype(), GParamFlags(gobj::kReadWrite | G_PARAM_CONSTRUCT_ONLY)));
        c.property<&Consumer::count, &Consumer::set_count>(
            gobj::pspec::int32("count", 0, 100, 7, GParamFlags(gobj::kReadWrite | G_PARAM_CONSTRUCT)));
        c.property<&Consumer::spare, &Consumer::set_spare>(
            gobj::pspec::object("spare", Widget::gtype(), gobj::kReadWrite));
    }
    gpointer widget() const { return widget_.get(); }
    void set_widget(gobj::Ref<IWidget> w) {
        widget_ = gobj::GPtr<GObject>::retain(static_cast<GObject*>(w.instance()));
        ++widget_sets;
    }
    gint32 count() const { return count_; }
    void set_count(gint32 v) { count_ = v; }
    gpointer spare() const { return spare_.get(); }
    void set_spare(gobj::Ref<Widget> w) { spare_ = gobj::GPtr<GObject>::retain(w.gobj()); }
    int widget_sets = 0;

private:
    gobj::GPtr<GObject> widget_, spare_;
    gint32 count_ = 0;
};
TARVELIN_GTYPE(Consumer, "TestContainerConsumer", gobj::Object)

// Two classes that need each other at construction.
class Beta;
class Alpha : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<Alpha>& c);
    gpointer other() const { return other_.get(); }
    void set_other(gobj::Ref<gobj::Object> o) { other_ = gobj::GPtr<GObject>::retain(o.gobj()); }

private:
    gobj::GPtr<GObject> other_;
};
class Beta : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<Beta>& c) {
        c.property<&Beta::other, &Beta::set_other>(
            gobj::pspec::object("other", Alpha::gtype(), GParamFlags(gobj::kReadWrite | G_PARAM_CONSTRUCT_ONLY)));
    }
    gpointer other() const { return other_.get(); }
    void set_other(gobj::Ref<gobj::Object> o) { other_ = gobj::GPtr<GObject>::retain(o.gobj()); }

private:
    gobj::GPtr<GObject> other_;
};
void Alpha::describe(gobj::ClassSpec<Alpha>& c) {
    c.property<&Alpha::other, &Alpha::set_other>(
        gobj::pspec::object("other", Beta::gtype(), GParamFlags(gobj::kReadWrite | G_PARAM_CONSTRUCT_ONLY)));
}
TARVELIN_GTYPE(Alpha, "TestContainerAlpha", gobj::Object)
TARVELIN_GTYPE(Beta, "TestContainerBeta", gobj::Object)

int factory_calls = 0;
GObject* make_other_widget(TarvelinRezezadovuContractsContainerIContainer*) {
    ++factory_calls;
    return G_OBJECT(g_object_new(OtherWidget::gtype(), nullptr));
}
GObject* make_nothing(TarvelinRezezadovuContractsContainerIContainer*) { return nullptr; }
GObject* make_unowned(TarvelinRezezadovuContractsContainerIContainer*) {
    return G_OBJECT(g_object_new(G_TYPE_INITIALLY_UNOWNED, nullptr));
}

class ContainerTest : public testing::Test {
protected:
    auto* c_api() { return reinterpret_cast<TarvelinRezezadovuContractsContainerIContainer*>(c->gobj()); }
    gobj::GPtr<GObject> resolve(GType t) {
        return gobj::GPtr<GObject>::adopt(tarvelin_rezezadovu_contracts_container_icontainer_resolve(c_api(), t));
    }
    bool has(GType t) { return tarvelin_rezezadovu_contracts_container_icontainer_has(c_api(), t); }
    gobj::Ref<Container> c = Container::create();
};

TEST_F(ContainerTest, InstanceForAnInterfaceIsReturnedEveryTime) {
    auto w = gobj::create<Widget>();
    tarvelin_rezezadovu_contracts_container_icontainer_register_instance(c_api(), IWidget::gtype(), w.gobj());
    EXPECT_EQ(resolve(IWidget::gtype()).get(), w.gobj());
    EXPECT_EQ(resolve(IWidget::gtype()).get(), w.gobj());
    EXPECT_EQ(w.gobj()->ref_count, 2u);  // ours and the container's
}

TEST_F(ContainerTest, UnregisteredInterfaceIsNullAndNotCached) {
    EXPECT_FALSE(resolve(IWidget::gtype()));
    EXPECT_FALSE(has(IWidget::gtype()));
}

TEST_F(ContainerTest, ConcreteClassIsBuiltOnceOnFirstRequest) {
    int before = widgets_made;
    EXPECT_FALSE(has(Widget::gtype()));
    auto a = resolve(Widget::gtype());
    auto b = resolve(Widget::gtype());
    ASSERT_TRUE(a);
    EXPECT_EQ(a.get(), b.get());
    EXPECT_EQ(widgets_made, before + 1);
    EXPECT_TRUE(has(Widget::gtype()));
}

TEST_F(ContainerTest, EachKeyHasItsOwnSingleton) {
    c->register_type(IWidget::gtype(), OtherWidget::gtype());
    c->register_type(Widget::gtype(), OtherWidget::gtype());
    auto a = resolve(IWidget::gtype()), b = resolve(Widget::gtype());
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(G_OBJECT_TYPE(a.get()), OtherWidget::gtype());
}

TEST_F(ContainerTest, ConstructPropertiesOfKnownTypesAreInjected) {
    auto w = gobj::create<Widget>();
    c->register_instance(IWidget::gtype(), w.gobj());
    c->register_type(IWidget::gtype(), OtherWidget::gtype());              // the instance wins; set once
    c->register_instance(Widget::gtype(), gobj::create<Widget>().gobj());  // "spare" is not construct-time
    auto made = gobj::Ref<Consumer>::adopt(resolve(Consumer::gtype()).release());
    ASSERT_TRUE(made);
    EXPECT_EQ(made->widget(), w.gobj());
    EXPECT_EQ(made->widget_sets, 1);
    EXPECT_EQ(made->count(), 7);
    EXPECT_EQ(made->spare(), nullptr);
}

TEST_F(ContainerTest, LaterRegistrationsAndTheCache) {
    auto first = resolve(Widget::gtype());
    c->register_type(Widget::gtype(), OtherWidget::gtype());
    c->register_factory(Widget::gtype(), &make_other_widget);
    EXPECT_EQ(resolve(Widget::gtype()).get(), first.get());
    auto replacement = gobj::create<OtherWidget>();
    c->register_instance(Widget::gtype(), replacement.gobj());
    EXPECT_EQ(resolve(Widget::gtype()).get(), replacement.gobj());
}

TEST_F(ContainerTest, FactoriesRunOnceAndMayAnswerNull) {
    factory_calls = 0;
    c->register_factory(IWidget::gtype(), &make_other_widget);
    EXPECT_TRUE(has(IWidget::gtype()));
    auto a = resolve(IWidget::gtype());
    auto b = resolve(IWidget::gtype());
    EXPECT_EQ(a.get(), b.get());
    EXPECT_EQ(factory_calls, 1);
    EXPECT_EQ(a.get()->ref_count, 3u);  // the cache, a and b: the factory's own reference was taken over

    c->register_factory(Widget::gtype(), &make_nothing);
    EXPECT_FALSE(resolve(Widget::gtype()));
    EXPECT_TRUE(has(Widget::gtype()));

    // A floating result is sunk, not left floating in the cache.
    c->register_factory(G_TYPE_INITIALLY_UNOWNED, &make_unowned);
    auto unowned = resolve(G_TYPE_INITIALLY_UNOWNED);
    ASSERT_TRUE(unowned);
    EXPECT_FALSE(g_object_is_floating(unowned.get()));
}

TEST_F(ContainerTest, BadArgumentsAreRefusedWithTheirCondition) {
    LogRecorder recorder;
    struct Case {
        std::function<void()> call;
        const char* condition;
    } cases[] = {
        {[&] { has(G_TYPE_INT); }, "type.is_interface () || type.is_object ()"},
        {[&] { resolve(G_TYPE_STRING); }, "type.is_interface () || type.is_object ()"},
        {[&] {
             tarvelin_rezezadovu_contracts_container_icontainer_register_type(c_api(), G_TYPE_INT, Widget::gtype());
         },
         "key_type.is_interface () || key_type.is_object ()"},
        {[&] {
             tarvelin_rezezadovu_contracts_container_icontainer_register_instance(c_api(), IWidget::gtype(), nullptr);
         },
         "instance != NULL"},
        {[&] {
             auto other = gobj::GPtr<GObject>::adopt(G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr)));
             tarvelin_rezezadovu_contracts_container_icontainer_register_instance(c_api(), IWidget::gtype(),
                                                                                  other.get());
         },
         "instance.get_type ().is_a (key_type)"},
        {[&] {
             tarvelin_rezezadovu_contracts_container_icontainer_register_type(c_api(), IWidget::gtype(),
                                                                              IWidget::gtype());
         },
         "value_type.is_object ()"},
        {[&] {
             tarvelin_rezezadovu_contracts_container_icontainer_register_type(c_api(), Widget::gtype(),
                                                                              Consumer::gtype());
         },
         "value_type.is_a (key_type)"},
        {[&] {
             tarvelin_rezezadovu_contracts_container_icontainer_register_factory(c_api(), IWidget::gtype(), nullptr);
         },
         "factory != NULL"},
        {[&] { tarvelin_rezezadovu_contracts_container_icontainer_has(nullptr, IWidget::gtype()); }, "self != NULL"},
    };
    for (const auto& k : cases) {
        recorder.clear();
        k.call();
        EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, std::string("'") + k.condition + "'"), 1) << k.condition;
    }
    EXPECT_FALSE(has(IWidget::gtype()));
    EXPECT_FALSE(has(Widget::gtype()));
}

TEST_F(ContainerTest, DependencyCycleEndsWithNull) {
    c->register_type(Alpha::gtype(), Alpha::gtype());
    c->register_type(Beta::gtype(), Beta::gtype());
    LogRecorder recorder;
    auto alpha = gobj::Ref<Alpha>::adopt(resolve(Alpha::gtype()).release());
    ASSERT_TRUE(alpha);
    auto* beta = gobj::cast<Beta>(alpha->other());
    ASSERT_NE(beta, nullptr);
    EXPECT_EQ(beta->other(), nullptr);  // the key that closed the cycle
    EXPECT_EQ(resolve(Beta::gtype()).get(), beta->gobj());
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_WARNING, "cycle"), 1);
}

TEST_F(ContainerTest, ConcurrentFirstResolutionsBuildOneObject) {
    int before = widgets_made;
    std::barrier start(8);
    std::vector<GObject*> seen(8);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            seen[t] = resolve(Widget::gtype()).get();
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(widgets_made, before + 1);
    for (GObject* s : seen) EXPECT_EQ(s, seen[0]);
}

TEST(Services, OneContainerForTheProcess) {
    LogRecorder recorder;
    if (!Services::get(G_TYPE_OBJECT)) {
        // Before initialize the contract meets no container.
        EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "self != NULL"), 1);
    }
    Services::initialize();
    auto w = gobj::create<Widget>();
    Services::register_instance(IWidget::gtype(), w.gobj());
    Services::initialize();  // keeps the first container and what it holds
    auto got = Services::get<IWidget>();
    EXPECT_EQ(got.instance(), w.gobj());
    gpointer from_c = tarvelin_rezezadovu_foundation_services_get(IWidget::gtype(), nullptr, nullptr);
    EXPECT_EQ(from_c, w.gobj());
    g_object_unref(from_c);

    auto built = Services::get<Consumer>();  // built on request, with the registered widget
    ASSERT_TRUE(built);
    EXPECT_EQ(built->widget(), w.gobj());
    EXPECT_EQ(Services::get<Consumer>().get(), built.get());

    recorder.clear();
    tarvelin_rezezadovu_foundation_services_register_instance(IWidget::gtype(), nullptr);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'instance != NULL'"), 1);
}

}  // namespace
