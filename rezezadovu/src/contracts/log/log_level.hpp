// The severity of a log record; a lower number is more severe.
#pragma once

#include <tarvelin/rezezadovu/log_contracts.h>

#include <string>

#include "providers/gobj/call.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::rezezadovu::contracts::log {

using LogLevel = TarvelinRezezadovuContractsLogLogLevel;
inline constexpr LogLevel kRisky = TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_RISKY;
inline constexpr LogLevel kPlain = TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN;
inline constexpr LogLevel kDebug = TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_DEBUG;

TARVELIN_EXPORT GType log_level_gtype();
// The nick ("plain"); the number for a level that is no member.
TARVELIN_EXPORT std::string log_level_to_string(LogLevel level);
TARVELIN_EXPORT std::string log_level_to_number(LogLevel level);
// "red", "blue", "green"; "black" for any other number.
TARVELIN_EXPORT std::string log_level_to_color(LogLevel level);

// A handler with `threshold` writes records of `level`; compared as unsigned numbers.
inline bool level_passes(LogLevel level, LogLevel threshold) {
    return static_cast<guint>(level) <= static_cast<guint>(threshold);
}

}  // namespace tarvelin::rezezadovu::contracts::log

namespace tarvelin::gobj::prop {
using LogLevelKind = Enum<TarvelinRezezadovuContractsLogLogLevel, &rezezadovu::contracts::log::log_level_gtype>;
}  // namespace tarvelin::gobj::prop
