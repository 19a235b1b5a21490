// The kinds of choice list an inspector supplies (94 members, numbered as the inspectors
// switch on them). Thread-safe (constant data).
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::contracts::database {

TARVELIN_EXPORT GType db_meta_type_gtype();

}  // namespace tarvelin::rezezadovu::contracts::database
