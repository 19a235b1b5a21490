// The logging facade started as a host starts it before opening connections (every
// statement a connection runs is then logged), writing into a folder "logs" below `dir`;
// stopped, and its files removed, with the object.
#pragma once

#include <tarvelin/rezezadovu/rezezadovu.h>

#include <glib/gstdio.h>

#include <string>

namespace bench_support {

class HostLogging {
public:
    explicit HostLogging(const std::string& dir) : logs_(dir + "/logs") {
        g_mkdir_with_parents(logs_.c_str(), 0700);
        tarvelin_rezezadovu_foundation_services_initialize();
        tarvelin_rezezadovu_foundation_services_register_type(TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_MANAGER,
                                                              TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOG_MANAGER);
        tarvelin_rezezadovu_foundation_logging_service_initialize(
            "bench", TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN, logs_.c_str(), 1 << 20);
    }
    ~HostLogging() {
        tarvelin_rezezadovu_foundation_logging_service_shutdown();
        if (GDir* d = g_dir_open(logs_.c_str(), 0, nullptr)) {
            while (const char* name = g_dir_read_name(d)) g_unlink((logs_ + "/" + name).c_str());
            g_dir_close(d);
        }
        g_rmdir(logs_.c_str());
    }
    HostLogging(const HostLogging&) = delete;
    HostLogging& operator=(const HostLogging&) = delete;

private:
    std::string logs_;
};

}  // namespace bench_support
