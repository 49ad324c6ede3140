#pragma once
// The maker's details shown in the information window and opened from the logos.
namespace Maker {
inline constexpr const char* kWebSite = "https://www.veltra-insulation.example";
inline constexpr const char* kWebSiteLabel = "www.veltra-insulation.example";
inline constexpr const char* kNotice = "(c) Veltra Insulation Systems. All rights reserved.";
inline constexpr const char* kName = "Veltra Insulation Systems Ltd.";
inline constexpr const char* kStreet = "12 Foundry Lane, Northfield NF4 2QT";
inline constexpr const char* kPhoneFax = "Phone +44 555 0100 200 - Fax +44 555 0100 299";
inline constexpr const char* kCountry = "United Kingdom";
} // namespace Maker
