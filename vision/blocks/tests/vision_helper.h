#pragma once

#include "StateProcessor.h"
#include "frames_helper.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

class CameraHook;
class ImagePool;
class NodeDialog;
class State;
class StateNode;

// A program of vision blocks fed by a camera file, stepped image cycle by image cycle in this
// thread, with its dialogs opened in a plain widget standing for the dialog area.
class VisionHarness : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Installs the camera with that JPEG file (bytes written to a scratch file).
    void useFrame(const std::vector<std::uint8_t>& jpeg);
    void useFrameFile(const QString& fileName);
    void load(const QByteArray& program);
    // One image cycle: the frame is decoded, the image blocks step, posted events are delivered.
    void cycle(int count = 1);
    StateNode* block(unsigned short maintype) const;
    NodeDialog* open(unsigned short maintype);
    template <typename Dialog>
    Dialog* open(unsigned short maintype)
    {
        return dynamic_cast<Dialog*>(open(maintype));
    }
    void close(unsigned short maintype);
    int inUse() const;
    // Renders the dialog into a PNG in the build folder.
    void render(QWidget* dialog, const QString& name);

    // Camera -> segmenter -> extractor, and camera -> line detector.
    static QByteArray everyBlockProgram(const QString& segments, int format = 0);

    QWidget area;
    QTemporaryDir scratch;
    std::unique_ptr<ImagePool> pool;
    std::unique_ptr<CameraHook> camera;
    std::unique_ptr<StateProcessor> engine;
    std::unique_ptr<State> program;
    // Stops the program and lets the engine end its run.
    void stopProgram();
};
