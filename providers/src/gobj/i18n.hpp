// Translation: every user-visible text goes through _() (g_dgettext("tarvelin", ...)).
#pragma once

#ifndef GETTEXT_PACKAGE
#define GETTEXT_PACKAGE "tarvelin"
#endif
#include <glib/gi18n-lib.h>
