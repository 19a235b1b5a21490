// The GObject bridge (umbrella): includes every part. New code includes only the parts
// it uses; this header stays while existing files move over.
//
// Parts: object (instance layouts, Object/Interface/Fundamental), ref (Ref, GPtr, Owned),
// error, log (TARVELIN_LOG_TAG, tlog_*), i18n, precondition, barrier (guarded, capi),
// convert (from_c/to_c, GValues), slot (slot, call), invoke (the C face), property (rows),
// register (TARVELIN_GTYPE...), list_model, fundamental, gee.
#pragma once

#include "providers/gobj/args.hpp"
#include "providers/gobj/barrier.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/invoke.hpp"
#include "providers/gobj/list_model.hpp"
#include "providers/gobj/log.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"
#include "providers/gobj/slot.hpp"
