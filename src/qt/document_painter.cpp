#include "qt/document_painter.h"

#include <QFontMetrics>
#include <QMainWindow>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace talvera::qt {

namespace {

namespace print = ui::printout;

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Lays the elements out from the top of a sheet down, taking a new sheet when one does not fit.
class Layout {
  public:
    Layout(QPagedPaintDevice& device, QPainter& painter, const WindowFinder& windowOf)
        : device_(device), painter_(painter), windowOf_(windowOf) {}

    void page(const print::Page& page) {
        if (started_) {
            newSheet();
        }
        started_ = true;
        for (const print::Element& element : page.elements) {
            std::visit([this](const auto& e) { lay(e); }, element);
        }
    }

  private:
    int width() const { return device_.width(); }
    int height() const { return device_.height(); }
    int mm(double millimetres) const {
        return static_cast<int>(millimetres * device_.logicalDpiY() / 25.4);
    }

    void newSheet() {
        device_.newPage();
        top_ = 0;
    }

    // A new sheet unless there is room below, or the sheet is still empty.
    void room(int needed) {
        if (top_ > 0 && top_ + needed > height()) {
            newSheet();
        }
    }

    static QFont fontOf(print::Style style) {
        QFont font(QStringLiteral("Liberation Sans"));
        switch (style) {
            case print::Style::Title:
                font.setPointSizeF(16);
                font.setBold(true);
                break;
            case print::Style::Subtitle:
                font.setPointSizeF(12);
                break;
            case print::Style::Plain:
                font.setPointSizeF(11);
                break;
            case print::Style::Small:
                font.setPointSizeF(9);
                break;
        }
        return font;
    }

    void lay(const print::Paragraph& paragraph) {
        painter_.setFont(fontOf(paragraph.style));
        const bool centred =
            paragraph.style == print::Style::Title || paragraph.style == print::Style::Subtitle;
        const int flags = Qt::TextWordWrap | (centred ? Qt::AlignHCenter : Qt::AlignLeft);
        const QString text = toQString(paragraph.text);
        const QRect needed = painter_.boundingRect(QRect(0, 0, width(), height()), flags, text);
        room(needed.height());
        painter_.drawText(QRect(0, top_, width(), needed.height()), flags, text);
        top_ += needed.height() + mm(paragraph.style == print::Style::Title ? 4 : 2);
    }

    // Sizes of the pieces of a line, in device pixels.
    QSize sizeOf(const print::Piece& piece) const {
        const QFontMetrics metrics(painter_.font(), &device_);
        if (const auto* words = std::get_if<print::Words>(&piece)) {
            return {metrics.horizontalAdvance(toQString(words->text)), metrics.height()};
        }
        if (const auto* fraction = std::get_if<print::Fraction>(&piece)) {
            if (fraction->numerator.empty() && fraction->denominator.empty()) {
                return {boxWidth(), 2 * boxHeight() + mm(3)};
            }
            const int terms = std::max(metrics.horizontalAdvance(toQString(fraction->numerator)),
                                       metrics.horizontalAdvance(toQString(fraction->denominator)));
            return {terms + mm(2), 2 * metrics.height() + mm(1.5)};
        }
        return {std::get<print::Blank>(piece).characters * mm(3.5) + mm(4), boxHeight()};
    }
    int boxWidth() const { return mm(14); }
    int boxHeight() const { return mm(8); }
    int gap() const { return mm(2.5); }

    int heightOf(const print::Line& line) const {
        int tallest = 0;
        for (const print::Piece& piece : line) {
            tallest = std::max(tallest, sizeOf(piece).height());
        }
        return tallest;
    }

    int heightOf(const print::Cell& cell) const {
        int total = 0;
        for (const print::Line& line : cell.lines) {
            total += heightOf(line) + mm(1);
        }
        return total;
    }

    // Each piece centred on the line's middle; a fraction's bar lies on it.
    void draw(const print::Line& line, int left, int top) {
        const int middle = top + heightOf(line) / 2;
        for (const print::Piece& piece : line) {
            const QSize size = sizeOf(piece);
            const QRect place(left, middle - size.height() / 2, size.width(), size.height());
            if (const auto* words = std::get_if<print::Words>(&piece)) {
                painter_.drawText(place, Qt::AlignCenter, toQString(words->text));
            } else if (const auto* fraction = std::get_if<print::Fraction>(&piece)) {
                drawFraction(*fraction, place, middle);
            } else {
                painter_.drawRect(place);
            }
            left += size.width() + gap();
        }
    }

    void drawFraction(const print::Fraction& fraction, const QRect& place, int middle) {
        painter_.drawLine(place.left(), middle, place.right(), middle);
        const QRect over(place.left(), place.top(), place.width(), middle - place.top() - mm(0.7));
        const QRect under(place.left(), middle + mm(0.7), place.width(),
                          place.bottom() - middle - mm(0.7));
        if (fraction.numerator.empty() && fraction.denominator.empty()) {
            painter_.drawRect(over.adjusted(0, over.height() - boxHeight(), 0, 0));
            painter_.drawRect(under.adjusted(0, 0, 0, boxHeight() - under.height()));
            return;
        }
        painter_.drawText(over, Qt::AlignHCenter | Qt::AlignBottom, toQString(fraction.numerator));
        painter_.drawText(under, Qt::AlignHCenter | Qt::AlignTop, toQString(fraction.denominator));
    }

    // The lines after a cell's first stand indented under it, as the working under an answer.
    void drawCell(const print::Cell& cell, int left) {
        int top = top_;
        int indent = 0;
        for (const print::Line& line : cell.lines) {
            draw(line, left + indent, top);
            top += heightOf(line) + mm(1);
            indent = mm(6);
        }
    }

    void lay(const print::Columns& columns) {
        painter_.setFont(fontOf(print::Style::Plain));
        top_ += mm(4);
        const std::vector<print::Cell>& cells = columns.cells;
        for (std::size_t i = 0; i < cells.size(); i += 2) {
            const bool pair = i + 1 < cells.size();
            const int rowHeight = std::max(heightOf(cells[i]), pair ? heightOf(cells[i + 1]) : 0);
            room(rowHeight);
            drawCell(cells[i], 0);
            if (pair) {
                drawCell(cells[i + 1], width() / 2);
            }
            top_ += rowHeight + mm(6);
        }
    }

    // The window's page as it stands, as wide as the sheet, or smaller to fit a sheet's height.
    void lay(const print::Snapshot& snapshot) {
        auto* window = qobject_cast<QMainWindow*>(
            snapshot.form != nullptr && windowOf_ ? windowOf_(*snapshot.form) : nullptr);
        QWidget* canvas = window != nullptr ? window->centralWidget() : nullptr;
        if (canvas == nullptr || canvas->width() == 0) {
            return;
        }
        double scale = static_cast<double>(width()) / canvas->width();
        if (canvas->height() * scale > height() - top_) {
            room(height());
            scale = std::min(scale, static_cast<double>(height()) / canvas->height());
        }
        painter_.save();
        painter_.translate(0, top_);
        painter_.scale(scale, scale);
        canvas->render(&painter_, QPoint(), QRegion(),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter_.restore();
        top_ += static_cast<int>(canvas->height() * scale) + mm(5);
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    const WindowFinder& windowOf_;
    int top_ = 0;
    bool started_ = false;
};

}  // namespace

void setPaper(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool paintDocument(const ui::printout::Document& document, QPagedPaintDevice& device,
                   const WindowFinder& windowOf) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Lines a quarter of a millimetre thick, whatever the device's resolution.
    painter.setPen(QPen(Qt::black, device.logicalDpiY() / 100.0));
    Layout layout(device, painter, windowOf);
    for (const print::Page& page : document.pages) {
        layout.page(page);
    }
    return painter.end();
}

bool writePdf(const ui::printout::Document& document, const QString& path,
              const WindowFinder& windowOf) {
    QPdfWriter writer(path);
    writer.setTitle(toQString(document.title));
    writer.setCreator(QStringLiteral("TALVERA"));
    writer.setResolution(300);
    setPaper(writer);
    return paintDocument(document, writer, windowOf);
}

}  // namespace talvera::qt
