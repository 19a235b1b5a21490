// A process whose host registered no resource bundle and no cipher.
#include <gtest/gtest.h>

#include "rezezadovu/helpers/helper_file_type.hpp"
#include "rezezadovu/helpers/helper_password.hpp"
#include "support/facade_log.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;

TEST(NoBundle, EveryGuessIsUnknownAndTheFailureIsLogged) {
    tarvelin::test::FacadeLog log;
    helpers::FileTypeHelper& helper = helpers::FileTypeHelper::get_singleton();
    EXPECT_TRUE(helper.signatures().empty());
    const guint8 png[] = {0x89, 'P', 'N', 'G'};
    EXPECT_EQ(helper.guess_file_type(png), "unknown/unknown");
    EXPECT_EQ(log.count("load file type info failed: "), 1) << log.main_log();
    // Not retried.
    EXPECT_EQ(&helpers::FileTypeHelper::get_singleton(), &helper);
    EXPECT_EQ(log.count("load file type info failed: "), 1);
}

TEST(NoCipher, PasswordProtectionLogsAndChangesNothing) {
    tarvelin::test::FacadeLog log;
    auto s = providers::contracts::Server::create();
    s->set_password(std::string("plain"));
    helpers::PasswordHelper::encrypt_password(*s);
    EXPECT_EQ(s->get_password(), "plain");
    EXPECT_EQ(log.count("encrypt password failed: no symmetric cipher is registered"), 1) << log.main_log();
}
