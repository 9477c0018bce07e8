// The byte layout of a scenario file (.scn) in its two layouts.
//
// Homemade (made with the game's battle generator) carries its place names, description and
// title inside the file; Original (shipped with the game) keeps them in three companion files.
// The file has no marker of its layout: the user declares it.
//
//   offset                 size        content
//   0                      1           A, first map dimension
//   1                      1           opaque
//   2                      1           B, second map dimension
//   3                      1           opaque
//   4 (Homemade)           4           place-name count N (byte 4; bytes 5..7 opaque)
//   H (Homemade)           30*N        place-name records
//   H + 30N                37*A*B      map, one 37-byte record per hex, opaque
//   ... + M                100         opaque
//   P                      1           scenario type
//   P + 1                  10425       opaque
//   P + 10426              15          core limits block
//   P + 10441              82          opaque
//   P + 10523 (Homemade)   2 + Ld      description: 16-bit length, text
//             (Homemade)   2 + Lt      title: 16-bit length, text
//   U                      261600      unit area: 200 blocks of 6 unit slots of 218 bytes
//   T = U + 261600         132         tail (four campaign limits among opaque bytes)
//
// H is 8 for Homemade and 4 for Original; N is 0 for Original.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zarkel {

enum class ScenarioLayout { Homemade, Original };

// The name the window gives a layout: "Homemade" or "Orvane Original".
const char* LayoutCaption(ScenarioLayout layout);

namespace scn {

constexpr std::int32_t kHomemadeHeaderSize = 8;
constexpr std::int32_t kOriginalHeaderSize = 4;
constexpr std::int32_t kMapSizeAByte = 0;        // header byte holding A
constexpr std::int32_t kMapSizeBByte = 2;        // header byte holding B
constexpr std::int32_t kPlaceNameCountByte = 4;  // Homemade header byte holding N
constexpr std::int32_t kSharedHeaderSize = 4;    // header bytes both layouts share (A, ?, B, ?)
constexpr std::int32_t kPlaceNameCountSize = 4;  // Homemade: N and three opaque bytes
constexpr std::int32_t kPlaceNameRecordSize = 30;
constexpr std::int32_t kHexRecordSize = 37;
constexpr std::int32_t kAfterMapSize = 100;  // opaque run between the map and the type byte

// Offsets from P, the scenario-type byte.
constexpr std::int32_t kAfterTypeOffset = 1;       // opaque run after the type byte ...
constexpr std::int32_t kAfterTypeSize = 10425;     // ... and its length
constexpr std::int32_t kCoreLimitsOffset = 10426;  // the core limits block
constexpr std::int32_t kCoreLimitsSize = 15;
constexpr std::int32_t kAfterLimitsOffset = 10441;  // opaque run after the block ...
constexpr std::int32_t kAfterLimitsSize = 82;       // ... and its length
constexpr std::int32_t kTextsOffset = 10523;  // Original: unit area; Homemade: description length
constexpr std::int32_t kTextLengthSize = 2;   // 16-bit length in front of an embedded text

// Bytes of the core limits block.
constexpr std::int32_t kCarriedValue0 = 0;  // carried from the opened file, written back as read
constexpr std::int32_t kCarriedValue1 = 1;
constexpr std::int32_t kAxisLandCoreMaxByte = 7;
constexpr std::int32_t kAlliedLandCoreMaxByte = 8;
constexpr std::int32_t kAxisNavalCoreMaxByte = 13;
constexpr std::int32_t kAlliedNavalCoreMaxByte = 14;

// The unit area.
constexpr std::int32_t kUnitRecordSize = 218;
constexpr std::int32_t kSlotsPerBlock = 6;  // slot j of a block holds a unit of side j (0..2)
constexpr std::int32_t kBlockSize = kUnitRecordSize * kSlotsPerBlock;  // 1308
constexpr std::int32_t kBlockCount = 200;  // block b holds the units whose order number is b
constexpr std::int32_t kUnitAreaSize = kBlockSize * kBlockCount;  // 261600

// The tail.
constexpr std::int32_t kTailSize = 132;
constexpr std::int32_t kAxisAuxMaxByte = 32;
constexpr std::int32_t kAxisCoreMaxByte = 33;
constexpr std::int32_t kAlliedAuxMaxByte = 50;
constexpr std::int32_t kAlliedCoreMaxByte = 51;

}  // namespace scn

// What the opening reads from a scenario file to find its way through it; the writers take
// these values from the opening and do not read the header again.
struct ScenarioGeometry {
  std::uint8_t mapSizeA = 0;
  std::uint8_t mapSizeB = 0;
  std::uint8_t placeNameCount = 0;              // N; 0 for Original
  std::uint16_t descriptionLength = 0;          // Ld; Homemade only
  std::uint16_t titleLength = 0;                // Lt; Homemade only
  std::array<std::uint8_t, 2> carriedValues{};  // core limits block bytes 0 and 1, as read
  std::string sourcePath;                       // the opened file, source of every copied byte
};

std::int32_t HeaderSize(ScenarioLayout layout);
std::int32_t MapAreaSize(const ScenarioGeometry& geometry);  // M = 37 * A * B
// Bytes of embedded texts with their length fields: Ld + Lt + 4 for Homemade, 0 for Original.
std::int32_t EmbeddedTextsSize(const ScenarioGeometry& geometry, ScenarioLayout layout);

std::int32_t AnchorOffset(const ScenarioGeometry& geometry, ScenarioLayout layout);    // P
std::int32_t UnitAreaOffset(const ScenarioGeometry& geometry, ScenarioLayout layout);  // U
std::int32_t TailOffset(const ScenarioGeometry& geometry, ScenarioLayout layout);      // T
// The size of a file of this geometry: T + 132. Bytes past it are not part of the scenario.
std::int32_t ScenarioFileSize(const ScenarioGeometry& geometry, ScenarioLayout layout);

}  // namespace zarkel
