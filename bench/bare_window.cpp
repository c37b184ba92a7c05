// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit floor for Lumo's start-up: a bare Qt window of the calendar's
// size holding 52 labels (era, month, year, seven weekdays and 42 days), shown
// the way Lumo shows its window, with nothing computed.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    window.setWindowTitle(QString::fromUtf8("11.3.火"));
    window.setFixedSize(102, 114);

    QFont font = window.font();
    font.setPixelSize(12);
    const auto label = [&](const QString &text, int x, int y) {
        auto *l = new QLabel(text, &window);
        l->setFont(font);
        l->setGeometry(x, y, 15, 15);
    };
    label(QString::fromUtf8("令和8年"), 3, 15);
    label(QStringLiteral("11"), 49, 14);
    label(QStringLiteral("2026"), 74, 15);
    const char *const weekdays[] = { "日", "月", "火", "水", "木", "金", "土" };
    for (int c = 0; c < 7; ++c)
        label(QString::fromUtf8(weekdays[c]), 4 + 14 * c, 27);
    for (int cell = 0; cell < 42; ++cell)
        label(QString::number(cell % 31 + 1), 4 + 14 * (cell % 7), 40 + 12 * (cell / 7));

    window.show();
    return app.exec();
}
