#pragma once
// How much slower the code runs in this build: a sanitizer build checks every access and
// takes several times as long, which the bounds against quadratic behaviour allow for.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TERMORA_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TERMORA_SANITIZED 1
#endif

#ifdef TERMORA_SANITIZED
inline constexpr int kSlowdown = 4;
#else
inline constexpr int kSlowdown = 1;
#endif
