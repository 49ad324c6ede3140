#pragma once
// The maker's details shown in the information window and opened from the logos.
namespace Maker {
inline constexpr const char* kWebSite = "https://www.veltra.example";
inline constexpr const char* kWebSiteLabel = "www.veltra.example";
inline constexpr const char* kNotice = "(c) VELTRA Insulation Systems. All rights reserved.";
inline constexpr const char* kName = "VELTRA Insulation Systems";
inline constexpr const char* kStreet = "12 Harbour Road, Northfield NF4 2QT";
inline constexpr const char* kPhoneFax = "Phone +00 123 456 789 - Fax +00 123 456 790";
inline constexpr const char* kCountry = "United Kingdom";
} // namespace Maker
