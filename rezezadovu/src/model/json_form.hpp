// The JSON form of the catalogue tree's containers. json-glib's default writer cannot
// write a libgee container (it writes a list as {"size": n}), so every list and map of
// the tree is written and read here.
#pragma once

#include <gee.h>
#include <json-glib/json-glib.h>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::meta_model::json_form {

// New empty containers of the tree: texts to texts, texts, objects of `element`.
TARVELIN_EXPORT GeeHashMap* new_text_map();
TARVELIN_EXPORT GeeArrayList* new_text_list();
TARVELIN_EXPORT GeeArrayList* new_object_list(GType element);

// An object of strings with its members in byte order of the keys, so that equal maps
// give equal texts whatever their insertion history; a NULL value is written as null.
TARVELIN_EXPORT JsonNode* write_text_map(GeeMap* map);
// A new map; a member that is not a string reads as "", a node that is not an object as
// an empty map.
TARVELIN_EXPORT GeeHashMap* read_text_map(JsonNode* node);

TARVELIN_EXPORT JsonNode* write_text_list(GeeList* list);
// A new list; an element that is not a string reads as "" (never a NULL entry), a node
// that is not an array as an empty list.
TARVELIN_EXPORT GeeArrayList* read_text_list(JsonNode* node);

// The children's JSON objects in list order; with `with_class` each object ends with a
// member "class" naming the child's own type.
TARVELIN_EXPORT JsonNode* write_object_list(GeeList* list, bool with_class);
// A new list of `element`, one object per array element. With `by_class` each element
// is read as the class its "class" member names, which must derive from `element`; an
// element that names none is skipped with a warning.
TARVELIN_EXPORT GeeArrayList* read_object_list(JsonNode* node, GType element, bool by_class);

// Copies every entry of `from` into `into`.
TARVELIN_EXPORT void copy_text_map(GeeMap* from, GeeMap* into);
TARVELIN_EXPORT void copy_text_list(GeeList* from, GeeCollection* into);

}  // namespace tarvelin::rezezadovu::meta_model::json_form
