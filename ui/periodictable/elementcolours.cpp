#include "ui/periodictable/elementcolours.h"

#include <algorithm>
#include <cmath>

namespace {

// WCAG relative luminance and contrast ratio.
double luminance(const QColor &colour) {
    const auto linear = [](float channel) {
        return channel <= 0.03928f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b) {
    // The list form returns values; the two-argument form would return references to the
    // temporaries, dangling at once.
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// Below this ratio a coloured symbol gets an outline.
constexpr double ReadableContrast = 4.5;

} // namespace

namespace ElementColours {

QColor ground() {
    return QColor(222, 222, 222);
}

QColor family(ElementFamily family) {
    switch (family) {
    case ElementFamily::Hydrogen:
    case ElementFamily::Lanthanide:
        return QColor(0, 160, 160);
    case ElementFamily::AlkaliMetal:
        return QColor(72, 200, 72);
    case ElementFamily::AlkalineEarthMetal:
        return QColor(72, 218, 230);
    case ElementFamily::TransitionMetal:
        return QColor(250, 226, 72);
    case ElementFamily::Transactinide:
        return QColor(150, 28, 28);
    case ElementFamily::OtherMetal:
        return QColor(168, 168, 48);
    case ElementFamily::NonMetal:
        return QColor(226, 104, 226);
    case ElementFamily::Halogen:
        return QColor(236, 72, 72);
    case ElementFamily::NobleGas:
        return QColor(166, 166, 166);
    case ElementFamily::Actinide:
        return QColor(140, 40, 150);
    }
    Q_UNREACHABLE();
}

QColor ink(const QColor &cell) {
    const QColor dark(24, 24, 24);
    const QColor light(250, 250, 250);
    return contrast(dark, cell) >= contrast(light, cell) ? dark : light;
}

QColor symbol(ElementState state, const QColor &cell) {
    switch (state) {
    case ElementState::Gas:
        return QColor(255, 232, 0);
    case ElementState::Liquid:
        return QColor(0, 56, 230);
    case ElementState::Synthetic:
        return QColor(96, 96, 96);
    case ElementState::Solid:
        return ink(cell);
    }
    Q_UNREACHABLE();
}

std::optional<QColor> halo(const QColor &text, const QColor &cell) {
    if (contrast(text, cell) >= ReadableContrast)
        return std::nullopt;
    return contrast(text, Qt::black) >= contrast(text, Qt::white) ? QColor(Qt::black)
                                                                  : QColor(Qt::white);
}

} // namespace ElementColours
