#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/edit_boxes.h"
#include "core/solving.h"

// A project: named state points, each kept as the two values it was entered with, and the
// pressure they are solved at. Plain C++, shared by the window and vaporin-calc.
namespace vaporin {

// One entered value, in the engine's unit of its quantity (°C, %, g/m³, kg/kg(DA), kcal/kg,
// m³/kg), so that solving it again gives the same state to the last bit.
struct PointInput {
  EditBox Box;
  double Value;
  bool operator==(const PointInput&) const = default;
};

struct StatePoint {
  std::string Name;
  std::string Note;
  std::array<PointInput, 2> Inputs;
  std::string UnknownFields;  // a newer version's fields, as a JSON object, kept on save
  bool operator==(const StatePoint&) const = default;
};

inline constexpr int32_t ProjectFormatVersion = 1;
// The largest project file read: a thousand points take about 200 kB.
inline constexpr size_t MaxProjectFileBytes = size_t{16} << 20;

struct Project {
  int32_t FormatVersion = ProjectFormatVersion;
  int32_t PressurePa = StandardPressurePa;
  std::vector<StatePoint> Points;
  std::string UnknownFields;  // as for a point
  bool operator==(const Project&) const = default;
};

// The project as the file's text: JSON, the format's name and version first.
std::string ProjectText(const Project& project);

struct ProjectRead {
  std::optional<vaporin::Project> Project;
  std::string Problem;  // why there is none: "line 3, column 14: ..." for broken JSON
};
ProjectRead ParseProject(std::string_view text);

// Reads the file whole; one over MaxProjectFileBytes, or not readable, gives a problem.
ProjectRead ReadProject(const std::filesystem::path& path);
// Replaces the file at once, as the settings file is; throws std::system_error naming the cause.
void WriteProject(const Project& project, const std::filesystem::path& path);

// The point solved under the preferences: its state and texts, or why it has none there.
Solution SolvePoint(const StatePoint& point, const Preferences& preferences);

// The name a new point gets after `points`: A, B, ... Z, then AA, AB, ...: the first not taken.
std::string NextPointName(const std::vector<StatePoint>& points);

}  // namespace vaporin
