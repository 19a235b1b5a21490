// Registers a resource bundle for the whole test program, as a host registers its own:
//
//   [[maybe_unused]] testing::Environment* const bundle =
//       testing::AddGlobalTestEnvironment(new tarvelin::test::ResourceBundle(TARVELIN_TEST_BUNDLE));
#pragma once

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <string>

namespace tarvelin::test {

class ResourceBundle : public testing::Environment {
public:
    explicit ResourceBundle(std::string path) : path_(std::move(path)) {}
    void SetUp() override {
        GError* error = nullptr;
        resource_ = g_resource_load(path_.c_str(), &error);
        ASSERT_NE(resource_, nullptr) << (error ? error->message : "");
        g_resources_register(resource_);
    }
    void TearDown() override {
        if (!resource_) return;
        g_resources_unregister(resource_);
        g_resource_unref(resource_);
    }

private:
    std::string path_;
    GResource* resource_ = nullptr;
};

}  // namespace tarvelin::test
