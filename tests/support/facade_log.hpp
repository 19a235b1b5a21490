// Starts the registry and the logging stack as a host does, writing the main log into a
// scratch folder, so tests can read what went through the logging facade:
//
//   tarvelin::test::FacadeLog log(kDebug);    // records up to that level
//   ... code that calls LoggingService::info(uuid, ...) ...
//   EXPECT_EQ(log.count("SQL: connection opened"), 1);
//   EXPECT_EQ(log.messages(), (std::vector<std::string>{"SQL: SELECT 1", "affected rows: 1"}));
//
// Every record reaches the main log, whatever its identifier. One at a time per process.
#pragma once

#include <string>
#include <vector>

#include "rezezadovu/contracts/log/log_level.hpp"

namespace tarvelin::test {

class FacadeLog {
public:
    explicit FacadeLog(rezezadovu::contracts::log::LogLevel level = rezezadovu::contracts::log::kPlain);
    ~FacadeLog();
    FacadeLog(const FacadeLog&) = delete;
    FacadeLog& operator=(const FacadeLog&) = delete;

    std::string main_log() const;
    // How many lines of the main log hold `part`.
    int count(const std::string& part) const;
    // The text of each record, after its time, names and level.
    std::vector<std::string> messages() const;
    // "RISKY", "PLAIN" or "DEBUG" followed by a blank and the text of each record.
    std::vector<std::string> leveled() const;

private:
    std::string id_ = "facade-test";
    std::string dir_;
};

}  // namespace tarvelin::test
