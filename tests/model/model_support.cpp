#include "model_support.hpp"

#include <mutex>

namespace model_test {

LogCapture::LogCapture(GLogLevelFlags level) : level_(level) {}

bool LogCapture::take(GLogLevelFlags level, const char* message) {
    if (!(level & level_)) return false;
    messages_.emplace_back(message);
    return true;
}

}  // namespace model_test
