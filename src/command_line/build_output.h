#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QString>

#include "build/build.h"
#include "check/check_figures.h"
#include "model_commands.h"
#include "output.h"

namespace querlin::cli {

// A line of the command: its JSON key, then its text.
void keyed(const Output& output, const char* key, const QString& text);

// The design's texts, then the build's figures, its coils as wound, the
// cut list, where no shunt coil matches why, and the notes, each after its
// key.
void printBuild(const Output& output, const build::DipoleBuild& build, const BuildInputs& inputs,
                const DesignRow& row);

// The same as one JSON object, with the design's texts.
QJsonObject buildJson(const DesignRow& row, const build::DipoleBuild& build,
                      const BuildInputs& inputs);

// The build's feed point for an analyser, as check --touchstone writes the
// design's: the loading coils as built, the matching coil across the feed
// point. Nothing for no file.
void saveBuild(const QString& file, const DesignRow& row, const build::DipoleBuild& build,
               const BuildInputs& inputs);

}  // namespace querlin::cli
