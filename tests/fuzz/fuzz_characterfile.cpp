// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
//
// Feeds an arbitrary character file to its reader. Besides crashes and sanitizer reports
// it checks what the renderer relies on: a size it can allocate, mouth parts that exist,
// parents that come earlier, frames with a duration, poses only for known parts, and a
// definition within the reader's limits.
#include "fuzzinput.h"

#include <QGuiApplication>

#include "platform/agent/characterfile.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The reader checks every part's SVG, which needs an application object for its fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Fuzz::silenceQtMessages();
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace {

bool hasPart(const Platform::CharacterDefinition &definition, const QString &name, qsizetype before)
{
    for (qsizetype i = 0; i < before; ++i) {
        if (definition.parts.at(i).name == name)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto definition = Platform::parseCharacterFile(Fuzz::bytesOf(data, size));
    if (!definition) {
        if (definition.error().code != Platform::ErrorCode::CharacterFileInvalid || definition.error().detail.isEmpty())
            Fuzz::broken();
        return 0;
    }
    const QSize figure = definition->size;
    if (figure.width() < 1 || figure.height() < 1 || figure.width() > 2000 || figure.height() > 2000)
        Fuzz::broken();
    const qsizetype partCount = definition->parts.size();
    for (const QString &mouth : {definition->mouthOpen, definition->mouthClosed}) {
        if (!mouth.isEmpty() && !hasPart(*definition, mouth, partCount))
            Fuzz::broken();
    }
    for (qsizetype i = 0; i < partCount; ++i) {
        const QString &parent = definition->parts.at(i).parent;
        if (!parent.isEmpty() && !hasPart(*definition, parent, i))
            Fuzz::broken();
    }
    namespace Limits = Platform::CharacterFileLimits;
    if (partCount > Limits::kMaxParts || definition->animations.size() > Limits::kMaxAnimations)
        Fuzz::broken();
    qsizetype frames = 0;
    for (const Platform::CharacterAnimation &animation : definition->animations) {
        frames += animation.frames.size();
        if (frames > Limits::kMaxFrames || animation.frames.isEmpty()
            || definition->animation(animation.name) != &animation)
            Fuzz::broken();
        for (const Platform::CharacterFrame &frame : animation.frames) {
            if (frame.durationMs < 1 || frame.durationMs > 10000)
                Fuzz::broken();
            for (auto pose = frame.poses.cbegin(); pose != frame.poses.cend(); ++pose) {
                if (!hasPart(*definition, pose.key(), partCount) || pose->opacity < 0 || pose->opacity > 1)
                    Fuzz::broken();
            }
        }
    }
    return 0;
}
