#include "providers/supports/sqlite/key_option.hpp"

#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("key_option")

namespace tarvelin::providers::supports::sqlite {

std::string key_from_options(std::string_view options) {
    static constexpr std::string_view kMarker = "PASSWORD=";
    static constexpr std::string_view kSeparators = ",; ";
    if (options.find(kMarker) == std::string_view::npos) return {};
    std::size_t start = 0;
    while (start <= options.size()) {
        std::size_t end = options.find_first_of(kSeparators, start);
        if (end == std::string_view::npos) end = options.size();
        std::string_view token = options.substr(start, end - start);
        if (token.find(kMarker) != std::string_view::npos) {
            std::size_t first = token.find('=');
            std::size_t second = token.find('=', first + 1);
            return std::string(token.substr(first + 1, second == std::string_view::npos ? std::string_view::npos
                                                                                           : second - first - 1));
        }
        start = end + 1;
    }
    return {};
}

}  // namespace tarvelin::providers::supports::sqlite
