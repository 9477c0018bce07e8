#include "demo_set.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "scenario_builder.h"

namespace zarkel::demo {

namespace {

using testing::Bytes;

// ---- Equipment ----------------------------------------------------------------------------

// One unit class of the catalogue: every maker builds every model, in this order.
struct EquipmentGroup {
  std::uint8_t unitClass;
  std::vector<const char*> makers;
  std::vector<const char*> models;
};

const std::vector<EquipmentGroup>& Catalogue() {
  static const std::vector<EquipmentGroup> groups = {
      {0,
       {"Line Rifles", "Grenadier Squad", "Mountain Rifles", "Assault Pioneers", "Militia Rifles",
        "Marine Rifles", "Ski Rifles", "Airborne Rifles", "Motor Rifles", "Guard Rifles"},
       {"'39", "'41", "'43", "'45"}},
      {1,
       {"Korvan", "Brask", "Telmar", "Odrin", "Vessk", "Marrow", "Sildar", "Quenby", "Halvet",
        "Drummel"},
       {"L1 Light Tank", "M2 Medium Tank", "M4 Medium Tank", "H3 Heavy Tank"}},
      {2,
       {"Ostler", "Rennick", "Pavel", "Tarso", "Wendry"},
       {"Scout Car", "Armoured Car", "Halftrack Scout", "Motorcycle Troop"}},
      {3,
       {"Kessin", "Barrow", "Lindqvar", "Morvat", "Trevan"},
       {"37mm AT Gun", "50mm AT Gun", "75mm AT Gun", "SP Tank Hunter"}},
      {4,
       {"Harl", "Dossel", "Ruvik", "Amberlay", "Coldren"},
       {"75mm Field Gun", "105mm Howitzer", "150mm Howitzer", "SP Howitzer", "Rocket Launcher"}},
      {5,
       {"Pellam", "Sorvik", "Anneby", "Tulk", "Greaves"},
       {"20mm Light AA", "40mm AA Gun", "SP Quad AA"}},
      {6,
       {"Pellam", "Sorvik", "Anneby", "Tulk", "Greaves"},
       {"85mm AD Gun", "105mm AD Gun", "AD Battery"}},
      {7, {"Field", "Concrete", "Coastal", "Mountain"}, {"Bunker", "Strongpoint"}},
      {8,
       {"Brenna", "Ostler", "Holm", "Varga", "Tilden"},
       {"Light Truck", "3t Truck", "Halftrack", "Gun Tractor"}},
      {9, {"Sorrin", "Kestrin", "Vandry", "Osprel", "Tamlin"}, {"Class DD", "Class Escort"}},
      {10, {"Aldmark", "Dunmorrow", "Ardena"}, {"Class BB", "Class BB (refit)"}},
      {11, {"Wrenfield", "Greywater", "Halcorne", "Merrow", "Ternmoor"}, {"Class CV"}},
      {12, {"Torvald", "Lunaro", "Tallbridge"}, {"Class CA", "Class CA (refit)"}},
      {13, {"Ventana", "Sallowmere", "Marlstone"}, {"Class CL", "Class CL (refit)"}},
      {14, {"Vell", "Ostrand", "Gradale", "Mistle"}, {"Coastal Sub", "Ocean Sub"}},
      {15,
       {"Falcane", "Vesper", "Strelle", "Kittrel", "Merlan", "Swiftwing", "Hallvane", "Taleth",
        "Corvid", "Skarra"},
       {"Mk I", "Mk II", "Mk III", "Mk V"}},
      {16,
       {"Stormhawk", "Kolos", "Marhold", "Pell", "Rivard"},
       {"A1 Dive Bomber", "A2 Dive Bomber", "B1 Attack", "B2 Attack", "C1 Fighter-Bomber"}},
      {17, {"Ostmoor", "Nighthollow", "Stormcrest", "Drosk", "Vantor"}, {"I", "II", "III"}},
      {18, {"Osric", "Lind", "Polar", "Carrow"}, {"Transport", "Glider Tug"}},
      {19, {"Clelia", "Kelby", "Barrowmere", "Harnet"}, {"Class Freighter", "Class Landing Ship"}},
  };
  return groups;
}

struct Equipment {
  std::vector<std::uint8_t> classes;
  std::vector<std::string> names;
  std::array<int, 20> first{};  // the first id of each class
  std::array<int, 20> count{};  // how many ids each class has
};

const Equipment& DemoEquipment() {
  static const Equipment equipment = [] {
    Equipment e;
    for (const EquipmentGroup& group : Catalogue()) {
      e.first[group.unitClass] = static_cast<int>(e.names.size());
      for (const char* maker : group.makers) {
        for (const char* model : group.models) {
          e.classes.push_back(group.unitClass);
          e.names.push_back(std::string(maker) + " " + model);
        }
      }
      e.count[group.unitClass] = static_cast<int>(e.names.size()) - e.first[group.unitClass];
    }
    return e;
  }();
  return equipment;
}

// The id of model `model` of class `unitClass`.
std::uint16_t EquipmentId(int unitClass, int model) {
  const Equipment& e = DemoEquipment();
  if (model >= e.count.at(static_cast<std::size_t>(unitClass)))
    throw std::logic_error("the demo equipment has no such model");
  return static_cast<std::uint16_t>(e.first[static_cast<std::size_t>(unitClass)] + model);
}

// ---- Scenarios ----------------------------------------------------------------------------

// Unit classes the generator treats apart (the others appear only as numbers in the tables).
constexpr int kFortification = 7;
constexpr int kLandTransport = 8;
constexpr int kNavalTransport = 19;

enum Status { kCore, kAux, kUnplaced };  // unplaced units are core units
enum Lift { kOnFoot, kTruck, kShip };    // kShip: a land and a naval transport

// Country numbers of the game's country table.
enum Country {
  kFin = 7,
  kFra = 8,
  kGe = 9,
  kIta = 13,
  kNor = 19,
  kPol = 21,
  kRus = 23,
  kSwe = 27,
  kUsa = 28,
  kUnk = 29
};

struct DemoUnit {
  const char* name;
  int side;  // 0 Axis, 1 Allies, 2 the third side
  Status status;
  int unitClass;  // 0 "Infantry" .. 19 "Naval Transport"
  int model;      // which of the class's equipment
  int country;
  int experience;
  int strength;
  int column;  // map position of a placed unit
  int row;
  Lift lift = kOnFoot;
};

struct DemoScenario {
  testing::Layout layout = testing::Layout::Homemade;
  std::uint8_t columns = 0;  // mapSizeA
  std::uint8_t rows = 0;     // mapSizeB
  std::uint8_t battleType = 0;
  std::array<std::uint8_t, 8> limits{};  // in the order of the file
  std::uint8_t patternSeed = 0;          // of the filler bytes
  std::uint8_t unitSeed = 0;             // of the first unit's filler bytes
  std::string title;
  std::string description;
  std::vector<std::string> placeNames;
  std::vector<DemoUnit> units;
};

// A Homemade battle on a coast: the Axis holds the ridge in the west, the Allies come from the
// east, the fleets meet in the bay to the north, a mountain militia keeps to the southern valleys.
DemoScenario Kardel() {
  DemoScenario s;
  s.layout = testing::Layout::Homemade;
  s.columns = 40;
  s.rows = 30;
  s.battleType = 2;  // combined
  s.limits = {24, 20, 4, 5, 12, 28, 14, 26};
  s.patternSeed = 0x31;
  s.unitSeed = 1;
  s.title = "Kardel Ridge, October 1943";
  s.description =
      "Autumn 1943. An Axis corps holds the wooded heights of Kardel Ridge above the coast road "
      "to Harrowdale. Allied armour and infantry must take the crossings at Hollin Ford and "
      "Osric Bridge before the rains close the passes, while both fleets contest the waters of "
      "Kettle Bay. The mountain militia of S\xF8rdal guards its valleys against whoever enters "
      "them. An invented battle, made for the zarkel demo set.";
  s.placeNames = {"Kardel",         "Kardel Ridge", "Lower Kardel",   "Brenholt",
                  "Mossgate",       "Tarnwick",     "Hollin Ford",    "Vell",
                  "Greystave",      "Ruthen",       "Hohenkamm",      "Sankt V\xE9ren",
                  "Mirow Heath",    "Ebbenhof",     "Wessel Wood",    "Nordhang",
                  "Coldren Pass",   "Amberlay",     "Gr\xFCnmoor",    "Harrowdale",
                  "Lowfield",       "Redmere",      "Gullrock Point", "Stormcrest Hill",
                  "Draymoor Mills", "Osric Bridge", "Tolm",           "Ersling",
                  "Mell Crossing",  "Brauk Quarry", "S\xF8rdal",      "Kettle Bay"};
  s.units = {
      // Axis
      {"Grenadiers", 0, kCore, 0, 6, kGe, 3, 10, 10, 12},
      {"J\xE4ger Bataillon Kardel", 0, kCore, 0, 10, kGe, 4, 10, 11, 15},
      {"Sturmpioniere Vell", 0, kCore, 0, 13, kGe, 2, 9, 9, 17, kTruck},
      {"Panzergruppe Wessel", 0, kCore, 1, 6, kGe, 3, 12, 13, 10},
      {"Panzerkompanie Brauk", 0, kCore, 1, 5, kGe, 2, 11, 14, 13},
      {"Aufkl\xE4rungstrupp Mell", 0, kCore, 2, 2, kGe, 2, 8, 15, 16},
      {"Panzerj\xE4ger Kolonne 7", 0, kCore, 3, 2, kGe, 2, 10, 12, 18, kTruck},
      {"Feldartillerie Hohenkamm", 0, kCore, 4, 1, kGe, 1, 10, 7, 12, kTruck},
      {"Schwere Batterie Ruthen", 0, kCore, 4, 2, kGe, 2, 9, 6, 15, kTruck},
      {"Flakzug Kardel", 0, kCore, 5, 0, kGe, 1, 8, 9, 11, kTruck},
      {"Luftabwehr Nordhang", 0, kCore, 6, 1, kGe, 1, 10, 5, 9},
      {"Nachschubkolonne Ost", 0, kCore, 8, 6, kGe, 0, 10, 4, 14},
      {"Jagdstaffel Grau", 0, kCore, 15, 3, kGe, 4, 10, 10, 12},
      {"Kampfstaffel Mirow", 0, kCore, 16, 2, kGe, 3, 9, 8, 8},
      {"Torpedoboot Krell", 0, kCore, 9, 1, kGe, 2, 10, 12, 2},
      {"Unterseeboot Tarn", 0, kCore, 14, 1, kGe, 3, 8, 6, 1},
      {"Bersaglieri Valdorno", 0, kCore, 0, 8, kIta, 2, 9, 8, 19},
      {"Carri Leggeri Sassella", 0, kCore, 1, 0, kIta, 1, 8, 7, 21},
      {"Ersatzgrenadiere Tolm", 0, kUnplaced, 0, 4, kGe, 0, 6, 0, 0},
      {"Sturmgesch\xFCtz Abteilung Hale", 0, kUnplaced, 3, 7, kGe, 2, 10, 0, 0},
      {"Transportstaffel Lind", 0, kUnplaced, 18, 2, kGe, 1, 8, 0, 0},
      {"Kampfgeschwader Ostmoor", 0, kUnplaced, 17, 1, kGe, 2, 10, 0, 0},
      {"Festung Kardelberg", 0, kAux, 7, 3, kGe, 1, 12, 11, 13},
      {"Bunkerlinie Gr\xFCnmoor", 0, kAux, 7, 0, kGe, 0, 10, 10, 20},
      {"Landessch\xFCtzen 12", 0, kAux, 0, 16, kGe, 0, 7, 5, 18},
      {"Kreuzer Torvald", 0, kAux, 12, 0, kGe, 2, 10, 16, 1},
      {"Incrociatore Ventana", 0, kAux, 13, 1, kIta, 1, 9, 18, 2},
      {"Divisione Monteluce", 0, kAux, 0, 17, kIta, 1, 9, 6, 23, kTruck},
      {"Flakabteilung T\xFCrmel", 0, kAux, 5, 7, kGe, 1, 8, 13, 20},
      {"Frachter Ilse", 0, kAux, 19, 0, kGe, 0, 6, 3, 3},
      // Allies
      {"1st Harrowdale Fusiliers", 1, kCore, 0, 2, kUnk, 3, 10, 27, 12},
      {"2nd Harrowdale Fusiliers", 1, kCore, 0, 3, kUnk, 2, 10, 27, 15},
      {"Brennan's Rangers", 1, kCore, 0, 31, kUsa, 4, 9, 25, 17, kTruck},
      {"3rd Armoured Hussars", 1, kCore, 1, 26, kUnk, 3, 11, 29, 11},
      {"Kittredge Tank Battalion", 1, kCore, 1, 30, kUsa, 2, 12, 30, 14},
      {"Lowfield Scouts", 1, kCore, 2, 5, kUnk, 2, 8, 26, 9},
      {"Baker Company Tank Hunters", 1, kCore, 3, 11, kUsa, 2, 10, 28, 18, kTruck},
      {"Ashcombe Field Regiment", 1, kCore, 4, 16, kUnk, 3, 10, 32, 12, kTruck},
      {"Corran Medium Battery", 1, kCore, 4, 21, kUnk, 1, 9, 33, 16, kTruck},
      {"Strzelcy Borowin", 1, kCore, 0, 18, kPol, 3, 9, 24, 20},
      {"Marsh Light AA Troop", 1, kCore, 5, 10, kUnk, 1, 8, 31, 10, kTruck},
      {"Destroyer Tamsin", 1, kCore, 9, 8, kUnk, 2, 10, 28, 2},
      {"Battleship Dunmorrow", 1, kCore, 10, 2, kUnk, 3, 12, 33, 1},
      {"Carrier Wrenfield", 1, kCore, 11, 0, kUsa, 3, 10, 37, 2},
      {"Bellwether Fighter Squadron", 1, kCore, 15, 21, kUnk, 4, 10, 27, 12},
      {"Red Kite Fighter Group", 1, kCore, 15, 14, kUsa, 3, 10, 30, 14},
      {"Holloway Tactical Wing", 1, kCore, 16, 17, kUsa, 2, 9, 34, 8},
      {"Corran Highlanders", 1, kUnplaced, 0, 1, kUnk, 2, 10, 0, 0},
      {"Stormcrest Bomber Group", 1, kUnplaced, 17, 7, kUsa, 2, 10, 0, 0},
      {"Osric Troop Carrier Squadron", 1, kUnplaced, 18, 0, kUnk, 1, 8, 0, 0},
      {"Dray Pioneer Company", 1, kAux, 0, 12, kUnk, 1, 8, 35, 18},
      {"Gullrock Coastal Fort", 1, kAux, 7, 4, kUnk, 2, 12, 36, 4},
      {"Norhaven Air Defence Belt", 1, kAux, 6, 13, kUnk, 1, 10, 34, 6},
      {"Redmere Supply Column", 1, kAux, 8, 9, kUnk, 0, 10, 36, 13},
      {"Cruiser Aldcastle", 1, kAux, 12, 4, kUnk, 2, 10, 31, 3},
      {"Cruiser Sallowmere", 1, kAux, 13, 2, kUnk, 2, 9, 34, 3},
      {"Submarine Mistle", 1, kAux, 14, 7, kUnk, 3, 8, 24, 1},
      {"Kelby Transport Group", 1, kAux, 19, 2, kUsa, 0, 7, 38, 5},
      {"Chasseurs de V\xE9rel", 1, kAux, 0, 24, kFra, 2, 9, 37, 20},
      // The third side
      {"Kardel Home Guard", 2, kCore, 0, 16, kNor, 1, 7, 20, 25},
      {"Fjellvakt S\xF8rdal", 2, kCore, 0, 25, kNor, 2, 8, 21, 27},
      {"Hollin Border Battery", 2, kCore, 4, 0, kNor, 1, 7, 19, 26},
      {"Volunteer Ski Patrol", 2, kAux, 0, 26, kNor, 2, 6, 22, 24},
  };
  return s;
}

// An Original battle at a river mouth: the Axis holds the west bank and the harbour, the Allies
// cross from the east and land from the sea to the south, the town watch keeps the town.
DemoScenario Vessin() {
  DemoScenario s;
  s.layout = testing::Layout::Original;
  s.columns = 36;
  s.rows = 28;
  s.battleType = 1;  // naval
  s.limits = {20, 22, 3, 6, 10, 22, 12, 26};
  s.patternSeed = 0x47;
  s.unitSeed = 101;
  s.title = "Vessin Bridgehead, May 1944";
  s.description =
      "May 1944. The river port of Vessin is the last crossing of the Vess before the sea. The "
      "Axis garrison holds the harbour and the western bank with armour in reserve at Sohrn. "
      "Allied rifle and tank brigades force the river at Wolna Ferry while a landing force "
      "comes ashore on Kell Sands. The town watch and the volunteers of K\xE5rn\xF6 defend their "
      "own streets. An invented battle, made for the zarkel demo set.";
  s.placeNames = {"Vessin",
                  "Vessin Harbour",
                  "East Vessin",
                  "Tolkan",
                  "Sohrn",
                  "Ebbing Mill",
                  "Valcerra",
                  "Vaara Marsh",
                  "Kivi Ridge",
                  "Tavrin",
                  "Kolvetz",
                  "Drenov",
                  "Lesk",
                  "Vostrin",
                  "Zarya Heights",
                  "Kamen Wood",
                  "Belomar Spit",
                  "G\xF3rski Brzeg",
                  "Wolna Ferry",
                  "Kell Sands",
                  "Halvard Reach",
                  "Greywater Sound",
                  "Marlstone Shoal",
                  "Tallbridge",
                  "Northmere",
                  "S\xE8vremont",
                  "K\xE5rn\xF6 Island",
                  "Gradale Rocks"};
  s.units = {
      // Axis
      {"Gebirgsj\xE4ger Vessin", 0, kCore, 0, 9, kGe, 3, 10, 8, 10},
      {"Grenadierregiment Tolkan", 0, kCore, 0, 5, kGe, 2, 10, 9, 13, kTruck},
      {"Panzerzug Ebbing", 0, kCore, 1, 2, kGe, 3, 11, 11, 11},
      {"Panzerabteilung Vorn", 0, kCore, 1, 23, kGe, 2, 12, 10, 15},
      {"Kradsch\xFCtzen Wald", 0, kCore, 2, 15, kGe, 2, 8, 12, 8},
      {"Pakzug Reinholt", 0, kCore, 3, 1, kGe, 2, 9, 7, 14, kTruck},
      {"Artillerieabteilung Sohrn", 0, kCore, 4, 7, kGe, 2, 10, 5, 11, kTruck},
      {"Flakbatterie Vessin", 0, kCore, 5, 4, kGe, 1, 8, 8, 12, kTruck},
      {"Heimatflak Ost", 0, kCore, 6, 5, kGe, 1, 10, 4, 8},
      {"Jagdgruppe Hellwind", 0, kCore, 15, 9, kGe, 4, 10, 9, 13},
      {"Sturzkampfgruppe Marr", 0, kCore, 16, 1, kGe, 3, 9, 6, 6},
      {"Jalkav\xE4ki Vaara", 0, kCore, 0, 25, kFin, 3, 9, 13, 19},
      {"Panssariosasto Kivi", 0, kCore, 1, 8, kFin, 2, 9, 14, 21},
      {"Alpini Valcerra", 0, kCore, 0, 11, kIta, 2, 9, 6, 18},
      {"Torpediniera Vellina", 0, kCore, 9, 3, kIta, 2, 10, 5, 25},
      {"Ersatzbataillon Gr\xFCn", 0, kUnplaced, 0, 0, kGe, 0, 6, 0, 0},
      {"Bombergruppe Nacht", 0, kUnplaced, 17, 4, kGe, 2, 10, 0, 0},
      {"Lufttransportstaffel 4", 0, kUnplaced, 18, 5, kGe, 1, 8, 0, 0},
      {"Festungsbaustab Vessin", 0, kAux, 7, 2, kGe, 1, 12, 10, 17},
      {"Kraftwagenkolonne 9", 0, kAux, 8, 1, kGe, 0, 10, 3, 12},
      {"Corazzata Ardena", 0, kAux, 10, 4, kIta, 2, 12, 8, 26},
      {"Incrociatore Lunaro", 0, kAux, 12, 2, kIta, 2, 10, 12, 26},
      {"Sommergibile Gradale", 0, kAux, 14, 4, kIta, 3, 8, 3, 26},
      {"Motonave Clelia", 0, kAux, 19, 0, kIta, 0, 7, 6, 27},
      // Allies
      {"114th Rifle Regiment", 1, kCore, 0, 0, kRus, 2, 10, 22, 10},
      {"Tavrin Guards Rifles", 1, kCore, 0, 38, kRus, 4, 10, 23, 13},
      {"Belomar Naval Infantry", 1, kCore, 0, 22, kRus, 3, 9, 20, 22, kShip},
      {"Kolvetz Tank Brigade", 1, kCore, 1, 18, kRus, 3, 12, 25, 11},
      {"Drenov Heavy Tank Regiment", 1, kCore, 1, 39, kRus, 2, 12, 26, 15},
      {"Sever Recon Battalion", 1, kCore, 2, 9, kRus, 2, 8, 21, 8},
      {"Lesk Anti-Tank Regiment", 1, kCore, 3, 10, kRus, 2, 10, 22, 16, kTruck},
      {"Vostrin Gun Brigade", 1, kCore, 4, 12, kRus, 2, 10, 28, 12, kTruck},
      {"Zarya Rocket Battalion", 1, kCore, 4, 14, kRus, 3, 9, 29, 9, kTruck},
      {"Kamen AA Regiment", 1, kCore, 5, 8, kRus, 1, 8, 24, 12, kTruck},
      {"Strizh Fighter Regiment", 1, kCore, 15, 24, kRus, 3, 10, 22, 10},
      {"Kolos Assault Air Regiment", 1, kCore, 16, 7, kRus, 3, 9, 30, 6},
      {"Batalion G\xF3rski Brzeg", 1, kCore, 0, 10, kPol, 3, 9, 19, 18},
      {"Pancerni Wolna", 1, kCore, 1, 13, kPol, 2, 10, 20, 20},
      {"Kell Amphibious Engineers", 1, kCore, 0, 15, kUsa, 2, 9, 18, 24, kShip},
      {"Destroyer Halvard", 1, kCore, 9, 5, kUsa, 2, 10, 20, 26},
      {"Carrier Greywater", 1, kCore, 11, 1, kUsa, 3, 10, 30, 26},
      {"Cruiser Marlstone", 1, kCore, 13, 4, kUsa, 2, 10, 24, 26},
      {"Submarine Sandpiper", 1, kCore, 14, 3, kUsa, 3, 8, 34, 27},
      {"Reserve Rifle Division 9", 1, kUnplaced, 0, 18, kRus, 0, 7, 0, 0},
      {"Long Range Bomber Regiment 3", 1, kUnplaced, 17, 13, kRus, 2, 10, 0, 0},
      {"Polar Air Transport Group", 1, kUnplaced, 18, 4, kRus, 1, 8, 0, 0},
      {"Fortified District Vessin East", 1, kAux, 7, 6, kRus, 2, 12, 31, 14},
      {"Motor Transport Regiment 17", 1, kAux, 8, 14, kRus, 0, 10, 33, 12},
      {"Krasny Air Defence Zone", 1, kAux, 6, 9, kRus, 1, 10, 32, 8},
      {"Battleship Northmere", 1, kAux, 10, 0, kUsa, 2, 12, 27, 27},
      {"Heavy Cruiser Tallbridge", 1, kAux, 12, 5, kUsa, 2, 10, 22, 27},
      {"Landing Ship Group 5", 1, kAux, 19, 3, kUsa, 1, 7, 16, 26},
      {"Tirailleurs de S\xE8vremont", 1, kAux, 0, 2, kFra, 2, 9, 34, 20, kTruck},
      // The third side
      {"Vessin Town Watch", 2, kCore, 0, 16, kSwe, 1, 6, 17, 14},
      {"Frivilliga K\xE5rn\xF6", 2, kCore, 0, 24, kSwe, 2, 8, 16, 12},
      {"Harbour Battery Vessin", 2, kAux, 7, 5, kSwe, 1, 10, 15, 25},
  };
  return s;
}

testing::UnitPlan PlanOf(const DemoUnit& unit, int orderNumber, std::uint8_t seed) {
  const Equipment& e = DemoEquipment();
  testing::UnitPlan plan;
  plan.name = unit.name;
  plan.country = static_cast<std::uint8_t>(unit.country);
  plan.equipmentId = EquipmentId(unit.unitClass, unit.model);
  if (unit.lift != kOnFoot)
    plan.landTransportId = EquipmentId(kLandTransport, unit.model % e.count[kLandTransport]);
  if (unit.lift == kShip)
    plan.navalTransportId = EquipmentId(kNavalTransport, unit.model % e.count[kNavalTransport]);
  if (unit.status == kUnplaced) {
    plan.column = 0x0100;  // high byte 1: not on the map
    plan.row = 0x0100;
  } else {
    plan.column = static_cast<std::uint16_t>(unit.column);
    plan.row = static_cast<std::uint16_t>(unit.row);
  }
  plan.strength = static_cast<std::uint8_t>(unit.strength);
  plan.entrenchment =
      static_cast<std::uint8_t>(unit.unitClass == kFortification ? 5 : unit.experience % 3);
  plan.experience = static_cast<std::uint8_t>(unit.experience);
  plan.side = static_cast<std::uint8_t>(unit.side);
  plan.orderNumber = static_cast<std::uint8_t>(orderNumber);
  plan.seed = seed;
  return plan;
}

Bytes ScenarioBytes(const DemoScenario& s) {
  testing::ScenarioPlan plan;
  plan.layout = s.layout;
  plan.mapSizeA = s.columns;
  plan.mapSizeB = s.rows;
  plan.headerOpaque13 = {0, 0};
  plan.battleType = s.battleType;
  plan.carriedValues = {1, 1};
  plan.limits = s.limits;
  plan.patternSeed = s.patternSeed;
  if (s.layout == testing::Layout::Homemade) {
    plan.placeNames = s.placeNames;
    plan.title = s.title;
    plan.description = s.description;
  }
  // Core units are numbered 0, 1, ... and auxiliary units 80, 81, ... per side, in table order.
  std::array<int, 3> nextCore{0, 0, 0};
  std::array<int, 3> nextAux{80, 80, 80};
  std::uint8_t seed = s.unitSeed;
  for (const DemoUnit& unit : s.units) {
    const auto side = static_cast<std::size_t>(unit.side);
    const int order = unit.status == kAux ? nextAux[side]++ : nextCore[side]++;
    plan.Place(PlanOf(unit, order, seed++));
  }
  return testing::BuildScenario(plan).bytes;
}

// ---- The set ------------------------------------------------------------------------------

std::string Readme(const DemoScenario& kardel, const DemoScenario& vessin) {
  const auto units = [](const DemoScenario& s) { return std::to_string(s.units.size()); };
  const auto map = [](const DemoScenario& s) {
    return std::to_string(s.columns) + " x " + std::to_string(s.rows);
  };
  return "# The demo set\n"
         "\n"
         "Files to try zarkel on without the game's own files. Everything here is invented for\n"
         "zarkel: the equipment, the units, the places, the titles and the descriptions come "
         "from no\ngame. The bytes the editor does not interpret (the map, most of each unit "
         "record) are a\nfixed filler pattern: the set is for trying the editor, not a battle "
         "to play.\n"
         "\n"
         "| file | what it is |\n"
         "|---|---|\n"
         "| `equipment.eqp`, `equipment.txt` | an equipment file of " +
         std::to_string(DemoEquipment().names.size()) +
         " entries covering the 20 unit classes, and its names (one a line, CR LF) |\n"
         "| `kardel.scn` | \"" +
         kardel.title + "\", a Homemade scenario: a " + map(kardel) + " map, " +
         std::to_string(kardel.placeNames.size()) + " place names, " + units(kardel) +
         " units |\n"
         "| `vessin.scn` | \"" +
         vessin.title + "\", an Original scenario: a " + map(vessin) + " map, " + units(vessin) +
         " units |\n"
         "| `svessin.tst`, `vessin.tit`, `vessin.des` | its " +
         std::to_string(vessin.placeNames.size()) +
         " place names, its title and its description |\n"
         "\n"
         "In the window, open `kardel.scn` as \"Homemade\" or `vessin.scn` as \"Orvane "
         "Original\" and\nanswer the two equipment dialogs with `equipment.eqp` and "
         "`equipment.txt`. From the command\nline:\n"
         "\n"
         "    zarkel-cli info --layout homemade examples/kardel.scn \\\n"
         "        --equipment examples/equipment.eqp --names examples/equipment.txt\n"
         "\n"
         "These files are written by `tools/make_examples` from the data in "
         "`tools/demo_set.cpp`;\ndo not edit them by hand. To write them again:\n"
         "\n"
         "    cmake --build build --target examples\n"
         "\n"
         "A test writes the set into a scratch folder and compares it byte for byte with this "
         "folder.\n";
}

}  // namespace

std::map<std::string, Bytes> DemoSetFiles() {
  const Equipment& equipment = DemoEquipment();
  const DemoScenario kardel = Kardel();
  const DemoScenario vessin = Vessin();
  return {
      {"equipment.eqp", testing::BuildEquipmentFile(equipment.classes)},
      {"equipment.txt", testing::ToBytes(testing::JoinLines(equipment.names))},
      {"kardel.scn", ScenarioBytes(kardel)},
      {"vessin.scn", ScenarioBytes(vessin)},
      {"svessin.tst", testing::ToBytes(testing::JoinLines(vessin.placeNames))},
      {"vessin.tit", testing::ToBytes(vessin.title)},
      {"vessin.des", testing::ToBytes(vessin.description)},
      {"README.md", testing::ToBytes(Readme(kardel, vessin))},
  };
}

void WriteDemoSet(const std::filesystem::path& directory) {
  std::filesystem::create_directories(directory);
  for (const auto& [name, bytes] : DemoSetFiles())
    testing::WriteFileBytes(directory / name, bytes);
}

}  // namespace zarkel::demo
