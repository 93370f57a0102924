#include "chart_paint/chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>

#include "chart/chart_svg.h"

namespace vaporin {

namespace {
QColor ColourOf(Ink ink) {
  const InkStyle& style = StyleOf(ink);
  return QColor(style.Red, style.Green, style.Blue, style.Alpha);
}

QPolygonF PolygonOf(const std::vector<PixelPoint>& points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PixelPoint& p : points) polygon << QPointF(p.X, p.Y);
  return polygon;
}

QFont FontOf(const SceneText& text) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(text.SizePx + 0.5));
  font.setBold(text.Bold);
  return font;
}

void PaintText(QPainter& painter, const SceneText& text) {
  const QString content = QString::fromStdString(text.Text);
  const QFont font = FontOf(text);
  painter.setFont(font);
  painter.setPen(ColourOf(text.Kind));
  const double advance = QFontMetricsF(font).horizontalAdvance(content);
  double shift = 0.0;
  if (text.Anchor == TextAnchor::Middle) shift = -advance / 2;
  if (text.Anchor == TextAnchor::End) shift = -advance;
  painter.save();
  painter.translate(text.At.X, text.At.Y);
  if (text.Vertical) painter.rotate(-90.0);
  painter.drawText(QPointF(shift, 0.0), content);
  painter.restore();
}
}  // namespace

void PaintChartScene(QPainter& painter, const ChartScene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF plot(scene.Plot.Left, scene.Plot.Top, scene.Plot.Width, scene.Plot.Height);
  for (const ScenePath& path : scene.Paths) {
    const QColor colour = ColourOf(path.Kind);
    if (path.Clipped) {
      painter.setClipRect(plot);
    } else {
      painter.setClipping(false);
    }
    const QPolygonF polygon = PolygonOf(path.Points);
    if (path.Filled) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawPolygon(polygon);
    } else {
      QPen pen(colour, StyleOf(path.Kind).WidthPx);
      pen.setJoinStyle(Qt::RoundJoin);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawPolyline(polygon);
    }
  }
  painter.setClipping(false);
  if (scene.Marker) {
    painter.setPen(QPen(Qt::white, StyleOf(Ink::Marker).WidthPx));
    painter.setBrush(ColourOf(Ink::Marker));
    painter.drawEllipse(QPointF(scene.Marker->At.X, scene.Marker->At.Y), scene.Marker->RadiusPx,
                        scene.Marker->RadiusPx);
  }
  for (const SceneText& text : scene.Texts) PaintText(painter, text);
  painter.restore();
}

QImage ChartImage(const ChartScene& scene) {
  QImage image(static_cast<int>(scene.Width + 0.5), static_cast<int>(scene.Height + 0.5),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintChartScene(painter, scene);
  return image;
}

QString SaveChartScene(const ChartScene& scene, const QString& fileName) {
  const std::optional<ChartFileType> type = ChartFileTypeOf(fileName.toStdString());
  if (!type) return QStringLiteral("the file name ends neither in .svg nor in .png");
  // The old file stays whole until the new one is complete.
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (*type == ChartFileType::Svg) {
    const std::string svg = ChartSvg(scene);
    file.write(svg.data(), static_cast<qint64>(svg.size()));
  } else if (!ChartImage(scene).save(&file, "PNG")) {
    file.cancelWriting();
    return QStringLiteral("the picture could not be written");
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace vaporin
