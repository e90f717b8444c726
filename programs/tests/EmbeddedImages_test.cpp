#include "EmbeddedImages.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Every picture that block and chart-element descriptors name.
const char* const pictureNames[] = {
    "abs.png",
    "basicmath_devide.png",
    "basicmath_max.png",
    "basicmath_min.png",
    "basicmath_minus.png",
    "basicmath_modulo.png",
    "basicmath_plus.png",
    "basicmath_times.png",
    "cartesian2vector.png",
    "compare_equal.png",
    "compare_greater.png",
    "compare_greater_equal.png",
    "compare_less.png",
    "compare_less_equal.png",
    "compare_not_equal.png",
    "const.png",
    "counter_down.png",
    "counter_up.png",
    "demultiplexer.png",
    "exit_a.png",
    "exit_b.png",
    "exit_c.png",
    "inv.png",
    "logo_and.png",
    "logo_and_fl.png",
    "logo_nand.png",
    "logo_nand_fl.png",
    "logo_nor.png",
    "logo_or.png",
    "logo_rs.png",
    "logo_xor.png",
    "multiplexer.png",
    "polar2vector.png",
    "scope.png",
    "setvectorlength.png",
    "siggen_rect.png",
    "siggen_sine.png",
    "siggen_tri.png",
    "smooth.png",
    "startnode.png",
    "stateblock.png",
    "stateblock_run.png",
    "sync_and.png",
    "sync_or.png",
    "time.png",
    "transferfunction.png",
    "valueXvector.png",
    "valuereader.png",
    "valuewriter.png",
    "vector2polar.png",
    "vector2value.png",
    "vectoraddition.png",
    "vectorconst.png",
    "vectorrotation.png",
    "vectorscalar.png",
    "vectorsubtraction.png",
    "vectorview.png",
    "scope_risingedge.png",
    "scope_fallingedge.png",
    // Robot hardware blocks.
    "adc.png",
    "adc_empty.png",
    "battery.png",
    "bumper.png",
    "controlpanel.png",
    "digitalinput.png",
    "digitalinput_empty.png",
    "digitaloutput.png",
    "digitaloutput_empty.png",
    "distance.png",
    "distance_empty.png",
    "joystick.png",
    "motor.png",
    "motor_empty.png",
    "nstar.png",
    "omnidrive.png",
    "pathdriver.png",
    "positionview.png",
    "relay.png",
    "relay_empty.png",
    // Vision blocks.
    "camera.png",
    "linedetector.png",
    "segextractor.png",
    "segmenter.png",
};

int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

TEST(Pictures, EveryNamedPictureIsDrawnAtIconSize)
{
    for (const char* name : pictureNames) {
        SCOPED_TRACE(name);
        const QPixmap picture = EmbeddedImages::pixmap(QString::fromLatin1(name));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(25, 25));
        // A drawing, not an empty square: frame, fill and strokes.
        EXPECT_GE(colourCount(picture.toImage()), 4);
    }
    EXPECT_TRUE(EmbeddedImages::pixmap(QStringLiteral("no_such_picture.png")).isNull());
}

// Dialog button and cursor pictures are smaller and have no frame.
TEST(Pictures, SmallPicturesAreDrawnAtButtonSize)
{
    for (const char* name : {"selection_rect.png", "selection_circle.png", "extension_big_right.png",
                             "extension_big_left.png", "rotate.png"}) {
        SCOPED_TRACE(name);
        const QPixmap picture = EmbeddedImages::pixmap(QString::fromLatin1(name));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(20, 20));
    }
}

// All pictures at four times their size on one sheet, to be looked at.
TEST(Pictures, SheetIsRenderedForLooking)
{
    constexpr int scale = 4;
    constexpr int cell = 25 * scale + 8;
    constexpr int columns = 10;
    const int count = int(std::size(pictureNames));
    QImage sheet(columns * cell, ((count + columns - 1) / columns) * cell, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < count; ++i) {
        const QPixmap picture = EmbeddedImages::pixmap(QString::fromLatin1(pictureNames[i]));
        painter.drawPixmap(QRect((i % columns) * cell + 4, (i / columns) * cell + 4, 25 * scale, 25 * scale), picture);
    }
    painter.end();
    const QString file = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pictures_sheet.png"));
    EXPECT_TRUE(sheet.save(file));
}

} // namespace
