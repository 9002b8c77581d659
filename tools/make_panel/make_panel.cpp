// Draws the front-panel picture of the transceiver (assets/panel.png).
// Re-make it with: cmake --build build --target make_panel && build/tools/make_panel assets/panel.png
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 388;
constexpr int kHeight = 390;

// The program paints display pixel (x, y) as the 2 x 2 block at (64 + 2x, 115 + 2y),
// x up to 105 and y up to 63; this area stays pure green and free of shading.
constexpr QRect kLcdArea(64, 115, 212, 129);
// The LCD glass shows a little beyond that, shaded by the edge of the window.
constexpr QRect kLcdGlass(62, 113, 215, 132);
// The opening in the bezel; its walls run down to the glass.
constexpr QRect kWindowOpening(56, 109, 223, 140);

const QColor kLcdGreen(0, 255, 0);
const QColor kInk(44, 47, 54);
const QColor kLettering(234, 238, 246);

// A symbol printed on a key: lines drawn with a 3 px round pen and filled
// arrowheads, in pixels from the centre of the key.
struct SymbolPart {
    std::vector<QPointF> line;
    std::vector<QPointF> head;
};
using Symbol = std::vector<SymbolPart>;

const Symbol kBlank = {};
const Symbol kEnterArrow = {{{{9, -11}, {9, 4}, {-4, 4}}, {{-12, 4}, {-3, -3.5}, {-3, 11.5}}}};
const Symbol kOpposedArrows = {
    {{{-12, -6}, {3, -6}}, {{12, -6}, {3, -12.5}, {3, 0.5}}},
    {{{12, 7}, {-3, 7}}, {{-12, 7}, {-3, 0.5}, {-3, 13.5}}},
};
const Symbol kUpArrow = {{{{0, 12}, {0, -2}}, {{0, -13}, {-9, -1}, {9, -1}}}};
const Symbol kDownArrow = {{{{0, -12}, {0, 2}}, {{0, 13}, {-9, 1}, {9, 1}}}};
const Symbol kStep = {{{{-13, 9}, {-4, 9}, {-4, 0}, {4, 0}, {4, -9}, {13, -9}}, {}}};

struct Key {
    QRect area;
    const Symbol& symbol;
};

// The keys lie exactly under the program's key areas (client rectangles less the
// picture's offset of 16, 16).
const Key kKeys[] = {
    {{110, 48, 57, 57}, kEnterArrow},     // MENU
    {{222, 48, 57, 57}, kOpposedArrows},  // ACTIVE
    {{283, 112, 57, 57}, kUpArrow},       // UP
    {{284, 190, 57, 57}, kDownArrow},     // DOWN
    {{112, 264, 57, 57}, kBlank},         // VOL/SQ
    {{224, 263, 57, 57}, kStep},          // MHz/KHz/CH
};

struct Legend {
    const char* text;
    QPoint baselineCentre;
    int pixelSize;
};

const Legend kLegends[] = {
    {"MENU", {138, 42}, 11},    {"ACTIVE", {250, 42}, 11},      {"COM RADIO", {170, 260}, 10},
    {"VOL SQ", {140, 339}, 11}, {"MHz KHz CH", {252, 339}, 11},
};

struct Screw {
    QPointF centre;
    double slotDegrees;
};

const Screw kScrews[] = {{{22, 22}, 28}, {{366, 22}, 117}, {{22, 368}, -41}, {{366, 368}, 72}};

QColor Grey(int level) { return QColor(level, level, level + 4); }

// Three passes of a box blur on the alpha channel approximate a Gaussian.
void BlurAlpha(QImage& image, int radius) {
    const int w = image.width(), h = image.height();
    std::vector<int> alpha(w * h), out(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) alpha[y * w + x] = qAlpha(image.pixel(x, y));
    auto pass = [&](int count, int length, int stride, int step) {
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < length; ++j) {
                int sum = 0;
                for (int k = -radius; k <= radius; ++k)
                    sum += alpha[i * stride + std::clamp(j + k, 0, length - 1) * step];
                out[i * stride + j * step] = sum / (2 * radius + 1);
            }
        }
        alpha.swap(out);
    };
    for (int n = 0; n < 3; ++n) {
        pass(h, w, w, 1);
        pass(w, h, 1, w);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgba(0, 0, 0, alpha[y * w + x]));
}

void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int blur, int alpha) {
    QImage mask(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter maskPainter(&mask);
    maskPainter.setRenderHint(QPainter::Antialiasing);
    maskPainter.fillPath(shape.translated(offset), QColor(0, 0, 0, alpha));
    maskPainter.end();
    BlurAlpha(mask, blur);
    painter.drawImage(0, 0, mask);
}

QPainterPath RoundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// Light falls from the upper left: edges facing it are lighter, the others darker.
QLinearGradient Diagonal(const QRectF& rect, const QColor& lit, const QColor& shaded) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomRight());
    gradient.setColorAt(0.0, lit);
    gradient.setColorAt(1.0, shaded);
    return gradient;
}

QPainterPath BezelFace() { return RoundedRect(QRectF(4, 4, kWidth - 8, kHeight - 8), 9); }

void DrawBezel(QPainter& painter) {
    const QRectF outline(0.5, 0.5, kWidth - 1, kHeight - 1);
    painter.fillPath(RoundedRect(outline, 12), Diagonal(outline, QColor(78, 100, 160), QColor(6, 10, 28)));
    QLinearGradient face(0, 0, kWidth * 0.35, kHeight);
    face.setColorAt(0.0, QColor(32, 52, 112));
    face.setColorAt(0.55, QColor(22, 38, 88));
    face.setColorAt(1.0, QColor(14, 25, 62));
    painter.fillPath(BezelFace(), face);
    QRadialGradient sheen(QPointF(90, 60), 330);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 22));
    sheen.setColorAt(0.6, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 40));
    painter.fillPath(BezelFace(), sheen);
}

QPolygonF Quad(QPointF a, QPointF b, QPointF c, QPointF d) { return QPolygonF({a, b, c, d}); }

// The walls of the window opening, as trapezoids from the bezel edge down to the glass.
void DrawWindowWalls(QPainter& painter) {
    const QRectF o(kWindowOpening.x(), kWindowOpening.y(), kWindowOpening.width(), kWindowOpening.height());
    const QRectF g(kLcdGlass.x(), kLcdGlass.y(), kLcdGlass.width(), kLcdGlass.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(4, 6, 10));
    painter.drawPolygon(Quad(o.topLeft(), o.topRight(), g.topRight(), g.topLeft()));
    painter.setBrush(QColor(9, 11, 17));
    painter.drawPolygon(Quad(o.topLeft(), g.topLeft(), g.bottomLeft(), o.bottomLeft()));
    painter.setBrush(QColor(46, 52, 66));
    painter.drawPolygon(Quad(o.topRight(), o.bottomRight(), g.bottomRight(), g.topRight()));
    painter.setBrush(QColor(58, 64, 80));
    painter.drawPolygon(Quad(o.bottomLeft(), g.bottomLeft(), g.bottomRight(), o.bottomRight()));
}

// The edge of the window opening: a dark line where the bezel turns away from
// the light, a bright one where it catches it.
void DrawWindowEdge(QPainter& painter) {
    const QRectF o = QRectF(kWindowOpening).adjusted(-0.5, -0.5, 0.5, 0.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(2, 4, 12), 1));
    painter.drawPolyline(QPolygonF({o.bottomLeft(), o.topLeft(), o.topRight()}));
    painter.setPen(QPen(QColor(98, 122, 178), 1));
    painter.drawPolyline(QPolygonF({o.topRight() + QPointF(0, 1), o.bottomRight(), o.bottomLeft() + QPointF(1, 0)}));
}

// The glass beyond the painted area lies in the shadow of the upper and left walls.
void DrawLcdGlass(QPainter& painter) {
    painter.fillRect(kLcdGlass, kLcdGreen);
    const int left = kLcdGlass.left(), top = kLcdGlass.top();
    const int right = kLcdGlass.right(), bottom = kLcdGlass.bottom();
    painter.fillRect(QRect(left, top, 1, kLcdGlass.height()), QColor(0, 110, 0));
    painter.fillRect(QRect(left + 1, top + 1, 1, kLcdGlass.height() - 1), QColor(0, 185, 0));
    painter.fillRect(QRect(left, top, kLcdGlass.width(), 1), QColor(0, 95, 0));
    painter.fillRect(QRect(left + 1, top + 1, kLcdGlass.width() - 1, 1), QColor(0, 170, 0));
    painter.fillRect(QRect(right, top + 2, 1, kLcdGlass.height() - 2), QColor(0, 215, 0));
    painter.fillRect(QRect(left + 2, bottom, kLcdGlass.width() - 2, 1), QColor(0, 225, 0));
}

void DrawDisplayWindow(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawWindowWalls(painter);
    DrawLcdGlass(painter);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawWindowEdge(painter);
}

// A key sits in a slightly larger hole in the bezel and throws a soft shadow.
void DrawKeyHole(QPainter& painter, const QRectF& key) {
    DrawSoftShadow(painter, RoundedRect(key, 5), QPointF(2.5, 3.5), 3, 190);
    painter.fillPath(RoundedRect(key.adjusted(-1.5, -1.5, 1.5, 1.5), 6), QColor(5, 8, 20));
}

void DrawKeyBody(QPainter& painter, const QRectF& key) {
    painter.fillPath(RoundedRect(key, 5), Diagonal(key, Grey(246), QColor(112, 118, 138)));
    const QRectF top = key.adjusted(4, 4, -4, -4);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0.0, Grey(224));
    face.setColorAt(1.0, Grey(192));
    painter.fillPath(RoundedRect(top.adjusted(-1, -1, 1, 1), 4), QColor(210, 210, 214, 110));
    painter.fillPath(RoundedRect(top, 3), face);
    QRadialGradient dish(top.center() + QPointF(-6, -8), top.width() * 0.75);
    dish.setColorAt(0.0, QColor(255, 255, 255, 40));
    dish.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(RoundedRect(top, 3), dish);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.drawLine(top.topLeft() + QPointF(3, 0.5), top.topRight() + QPointF(-3, 0.5));
}

void DrawSymbolPart(QPainter& painter, const SymbolPart& part, QPointF centre, const QColor& colour) {
    QPolygonF line, head;
    for (QPointF p : part.line) line << centre + p;
    for (QPointF p : part.head) head << centre + p;
    painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPolyline(line);
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    if (!head.isEmpty()) painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
}

// Printed symbols: ink with a faint light edge below, as if set slightly into the key.
void DrawSymbol(QPainter& painter, const Symbol& symbol, QPointF centre) {
    const QColor lightEdge(255, 255, 255, 110);
    for (const SymbolPart& part : symbol) DrawSymbolPart(painter, part, centre + QPointF(0, 1), lightEdge);
    for (const SymbolPart& part : symbol) DrawSymbolPart(painter, part, centre, kInk);
}

void DrawKey(QPainter& painter, const Key& key) {
    const QRectF area(key.area);
    DrawKeyHole(painter, area);
    DrawKeyBody(painter, area);
    DrawSymbol(painter, key.symbol, area.center());
}

void DrawScrewHead(QPainter& painter, QPointF centre) {
    DrawSoftShadow(painter, Circle(centre, 8.5), QPointF(1.2, 1.6), 1, 220);
    QRadialGradient head(centre, 8.5, centre + QPointF(-3.5, -3.5));
    head.setColorAt(0.0, Grey(238));
    head.setColorAt(0.45, Grey(176));
    head.setColorAt(1.0, Grey(92));
    painter.fillPath(Circle(centre, 8.5), head);
    painter.setPen(QPen(QColor(20, 22, 30, 160), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(Circle(centre, 8.5));
}

void DrawScrewSlot(QPainter& painter, const Screw& screw) {
    painter.save();
    painter.setClipPath(Circle(screw.centre, 8.2));
    painter.translate(screw.centre);
    painter.rotate(screw.slotDegrees);
    painter.fillRect(QRectF(-10, -1.4, 20, 2.8), QColor(28, 29, 35));
    painter.fillRect(QRectF(-10, 0.9, 20, 0.8), QColor(214, 216, 222, 170));
    painter.restore();
}

void DrawScrew(QPainter& painter, const Screw& screw) {
    const QRectF hole(screw.centre - QPointF(11, 11), QSizeF(22, 22));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Diagonal(hole, QColor(4, 6, 16), QColor(72, 90, 134)));
    painter.drawEllipse(hole);
    DrawScrewHead(painter, screw.centre);
    DrawScrewSlot(painter, screw);
}

// Bold sans lettering, spaced a little wider as panel legends are.
void DrawLegend(QPainter& painter, const Legend& legend) {
    constexpr double kLetterSpacing = 0.6;
    QFont font("DejaVu Sans");
    font.setPixelSize(legend.pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, kLetterSpacing);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    const QString text = QString::fromLatin1(legend.text);
    // The spacing after the last letter takes no part in centring.
    const double width = QFontMetricsF(font).horizontalAdvance(text) - kLetterSpacing;
    painter.setFont(font);
    painter.setPen(kLettering);
    painter.drawText(QPointF(std::round(legend.baselineCentre.x() - width / 2), legend.baselineCentre.y()), text);
}

// Slow unevenness of the finish: random levels on a coarse grid, smoothly interpolated.
class Mottle {
public:
    explicit Mottle(std::mt19937& random) {
        for (int& level : levels_) level = static_cast<int>(random() % 9) - 4;
    }
    int At(int x, int y) const {
        const double gx = x * (kGrid - 1.0) / kWidth, gy = y * (kGrid - 1.0) / kHeight;
        const int ix = static_cast<int>(gx), iy = static_cast<int>(gy);
        const double fx = gx - ix, fy = gy - iy;
        const double top = Level(ix, iy) * (1 - fx) + Level(ix + 1, iy) * fx;
        const double bottom = Level(ix, iy + 1) * (1 - fx) + Level(ix + 1, iy + 1) * fx;
        return static_cast<int>(std::lround(top * (1 - fy) + bottom * fy));
    }

private:
    static constexpr int kGrid = 12;
    int Level(int x, int y) const { return levels_[std::min(y, kGrid - 1) * kGrid + std::min(x, kGrid - 1)]; }
    std::array<int, kGrid * kGrid> levels_{};
};

// Grain and unevenness, as in a photograph; the LCD glass is left untouched.
void AddTexture(QImage& image) {
    std::mt19937 random(20240611);
    const Mottle mottle(random);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int delta = static_cast<int>(random() % 7) - 3 + mottle.At(x, y);
            if (kLcdGlass.contains(x, y)) continue;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + delta, 0, 255), std::clamp(qGreen(c) + delta, 0, 255),
                           std::clamp(qBlue(c) + delta, 0, 255));
        }
    }
}

bool LcdAreaIsPureGreen(const QImage& image) {
    for (int y = kLcdArea.top(); y <= kLcdArea.bottom(); ++y)
        for (int x = kLcdArea.left(); x <= kLcdArea.right(); ++x)
            if (image.pixelColor(x, y) != kLcdGreen) return false;
    return true;
}

QImage DrawPanel() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawBezel(painter);
    for (const Key& key : kKeys) DrawKey(painter, key);
    for (const Screw& screw : kScrews) DrawScrew(painter, screw);
    DrawDisplayWindow(painter);
    for (const Legend& legend : kLegends) DrawLegend(painter, legend);
    painter.end();
    AddTexture(image);
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_panel OUTPUT.png\n");
        return 2;
    }
    const QImage panel = DrawPanel();
    if (!LcdAreaIsPureGreen(panel)) {
        std::fprintf(stderr, "make_panel: the LCD area is not pure green\n");
        return 1;
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || !panel.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "make_panel: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
