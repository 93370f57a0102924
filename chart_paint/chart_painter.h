#pragma once

#include <QImage>
#include <QString>

#include "chart/chart_scene.h"

class QPainter;

// A chart's scene drawn by Qt: on screen, into a picture, into a file.
namespace vaporin {

// Antialiased, at the painter's origin, one scene pixel a painter unit.
void PaintChartScene(QPainter& painter, const ChartScene& scene);

QImage ChartImage(const ChartScene& scene);

// Writes the scene as SVG or PNG, told by the file name. Returns an empty text on success,
// else what went wrong.
QString SaveChartScene(const ChartScene& scene, const QString& fileName);

}  // namespace vaporin
