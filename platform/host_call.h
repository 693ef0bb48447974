#pragma once
// Calling convention and export marking for everything that crosses the host boundary. On the
// 32-bit Windows build the host calls every module routine, and the module calls every panel
// service, with stdcall; elsewhere the platform default applies.

#if defined(_WIN32) && defined(__i386__)
#define XAQ_HOSTCALL __attribute__((stdcall))
#else
#define XAQ_HOSTCALL
#endif

#if defined(_WIN32)
#define XAQ_EXPORT __declspec(dllexport)
#else
#define XAQ_EXPORT __attribute__((visibility("default")))
#endif
