#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>

#include "project/project.h"
#include "settings/file_access.h"

namespace vaporin {

namespace {
using Json = nlohmann::ordered_json;

constexpr std::string_view FormatName = "vaporin-project";
constexpr int JsonIndent = 2;

// Each quantity's name in the file and the engine's unit it is kept in.
struct QuantityKey {
  EditBox Box;
  std::string_view Name;
  std::string_view Unit;
};
constexpr std::array<QuantityKey, EditBoxCount> QuantityKeys = {{
    {EditBox::DB, "db", "°C"},
    {EditBox::RH, "rh", "%"},
    {EditBox::VH, "vh", "g/m³"},
    {EditBox::SH, "sh", "kg/kg(DA)"},
    {EditBox::DP, "dp", "°C"},
    {EditBox::ENH, "enh", "kcal/kg(DA)"},
    {EditBox::WB, "wb", "°C"},
    {EditBox::SV, "sv", "m³/kg(DA)"},
}};

const QuantityKey& KeyOf(EditBox box) { return QuantityKeys[IndexOf(box)]; }

const QuantityKey* KeyNamed(std::string_view name) {
  for (const QuantityKey& key : QuantityKeys) {
    if (key.Name == name) return &key;
  }
  return nullptr;
}

// The fields of `object` that this version does not know, as JSON text; empty when none.
std::string Unknown(const Json& object, std::initializer_list<std::string_view> known) {
  Json unknown = Json::object();
  for (const auto& [name, value] : object.items()) {
    bool isKnown = false;
    for (const std::string_view k : known) isKnown = isKnown || name == k;
    if (!isKnown) unknown[name] = value;
  }
  return unknown.empty() ? std::string() : unknown.dump();
}

void AddUnknown(Json& object, const std::string& unknown) {
  if (unknown.empty()) return;
  const Json fields = Json::parse(unknown);
  for (const auto& [name, value] : fields.items()) object[name] = value;
}

// A fault in a file that is JSON but not a project: where it is and what is wrong.
class NotAProject : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

const Json& Field(const Json& object, const char* name, const std::string& where) {
  if (!object.is_object() || !object.contains(name)) {
    throw NotAProject(where + ": no \"" + name + "\"");
  }
  return object.at(name);
}

// A whole number that fits an int32: a float or a larger number is a fault, never cast.
int32_t Int32Field(const Json& object, const char* name, const std::string& where) {
  const Json& value = Field(object, name, where);
  constexpr int64_t Least = std::numeric_limits<int32_t>::min();
  constexpr int64_t Most = std::numeric_limits<int32_t>::max();
  if (value.is_number_integer()) {
    const bool fits = value.is_number_unsigned()
                          ? value.get<uint64_t>() <= static_cast<uint64_t>(Most)
                          : value.get<int64_t>() >= Least && value.get<int64_t>() <= Most;
    if (fits) return static_cast<int32_t>(value.get<int64_t>());
  }
  throw NotAProject(std::string(name) + ": a whole number is needed");
}

StatePoint PointFrom(const Json& json, const std::string& where) {
  StatePoint point;
  point.Name = Field(json, "name", where).get<std::string>();
  point.Note = json.value("note", std::string());
  const Json& inputs = Field(json, "inputs", where);
  if (!inputs.is_array() || inputs.size() != point.Inputs.size()) {
    throw NotAProject(where + ".inputs: two values are needed");
  }
  for (size_t i = 0; i < point.Inputs.size(); ++i) {
    const std::string at = where + ".inputs[" + std::to_string(i) + "]";
    const std::string name = Field(inputs[i], "quantity", at).get<std::string>();
    const QuantityKey* key = KeyNamed(name);
    if (key == nullptr) throw NotAProject(at + ": no quantity is named \"" + name + "\"");
    if (Field(inputs[i], "unit", at).get<std::string>() != key->Unit) {
      throw NotAProject(at + ": " + name + " is kept in " + std::string(key->Unit));
    }
    point.Inputs[i] = {key->Box, Field(inputs[i], "value", at).get<double>()};
  }
  if (InfoOf(point.Inputs[0].Box).Quantity == InfoOf(point.Inputs[1].Box).Quantity) {
    throw NotAProject(where + ".inputs: two different quantities are needed");
  }
  point.UnknownFields = Unknown(json, {"name", "note", "inputs"});
  return point;
}

// Line and column of a byte offset, both from 1, as editors count them.
std::string Position(std::string_view text, size_t offset) {
  size_t line = 1;
  size_t column = 1;
  for (size_t i = 0; i < offset && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}
}  // namespace

std::string ProjectText(const Project& project) {
  Json json = Json::object();
  json["format"] = FormatName;
  json["version"] = project.FormatVersion;
  json["pressure_pa"] = project.PressurePa;
  Json points = Json::array();
  for (const StatePoint& point : project.Points) {
    Json entry = Json::object();
    entry["name"] = point.Name;
    entry["note"] = point.Note;
    Json inputs = Json::array();
    for (const PointInput& input : point.Inputs) {
      const QuantityKey& key = KeyOf(input.Box);
      inputs.push_back({{"quantity", key.Name}, {"unit", key.Unit}, {"value", input.Value}});
    }
    entry["inputs"] = std::move(inputs);
    AddUnknown(entry, point.UnknownFields);
    points.push_back(std::move(entry));
  }
  json["points"] = std::move(points);
  AddUnknown(json, project.UnknownFields);
  return json.dump(JsonIndent) + '\n';
}

ProjectRead ParseProject(std::string_view text) {
  ProjectRead read;
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& error) {
    read.Problem =
        Position(text, error.byte > 0 ? error.byte - 1 : 0) + ": not JSON (" + error.what() + ")";
    return read;
  } catch (const Json::exception& error) {
    // A number too large for a double, which the reader throws as no parse error.
    read.Problem = std::string("not JSON that can be read (") + error.what() + ")";
    return read;
  }
  try {
    if (!json.is_object() || json.value("format", std::string()) != FormatName) {
      throw NotAProject("not a Vaporin project (no \"format\": \"" + std::string(FormatName) +
                        "\")");
    }
    Project project;
    project.FormatVersion = Int32Field(json, "version", "the project");
    project.PressurePa = Int32Field(json, "pressure_pa", "the project");
    if (!IsAcceptedPressure(project.PressurePa)) {
      throw NotAProject("pressure_pa: " + std::to_string(project.PressurePa) +
                        " Pa is outside 40 to 120 kPa");
    }
    const Json& points = Field(json, "points", "the project");
    if (!points.is_array()) throw NotAProject("points: a list is needed");
    for (size_t i = 0; i < points.size(); ++i) {
      project.Points.push_back(PointFrom(points[i], "points[" + std::to_string(i) + "]"));
    }
    project.UnknownFields = Unknown(json, {"format", "version", "pressure_pa", "points"});
    read.Project = std::move(project);
  } catch (const NotAProject& error) {
    read.Problem = error.what();
  } catch (const Json::exception& error) {
    read.Problem = std::string("a value of the wrong kind (") + error.what() + ")";
  }
  return read;
}

ProjectRead ReadProject(const std::filesystem::path& path) {
  const FileRead file = ReadSmallFile(path, MaxProjectFileBytes);
  if (file.Result == FileRead::Outcome::Missing) return {std::nullopt, "no such file"};
  if (file.Result == FileRead::Outcome::Unreadable) return {std::nullopt, file.Problem};
  return ParseProject(file.Bytes);
}

void WriteProject(const Project& project, const std::filesystem::path& path) {
  ReplaceFile(path, ProjectText(project));
}

}  // namespace vaporin
