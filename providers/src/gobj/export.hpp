// Symbol visibility: both libraries build with -fvisibility=hidden; what another
// library, a test or a host uses is marked explicitly.
#pragma once
#define TARVELIN_EXPORT __attribute__((visibility("default")))
