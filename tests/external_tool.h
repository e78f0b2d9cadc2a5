// SPDX-License-Identifier: GPL-3.0-or-later
// The programs of this system some tests read a written file with
// (pdftotext, gpsbabel, ogrinfo). CMake names each, where it found it, in an
// environment variable of the test (TARNQUIL_PDFTOTEXT ...); a cross-build
// finds none, since a Linux program does not start under Wine. A test that
// needs one skips, naming it, where it is absent:
//
//     const QString pdftotext = testing_external_tool::path("TARNQUIL_PDFTOTEXT");
//     if (pdftotext.isEmpty())
//         SKIP_WITHOUT_TOOL("pdftotext");
#pragma once

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

namespace testing_external_tool {

// The program the variable names; empty when it is unset or empty, or names
// no program this system can start.
inline QString path(const char* variable)
{
    const QString program = qEnvironmentVariable(variable);
    return !program.isEmpty() && QFileInfo(program).isExecutable() ? program : QString();
}

}  // namespace testing_external_tool

// Skips the test function, naming the tool it needs.
#define SKIP_WITHOUT_TOOL(tool) QSKIP(tool " is not installed here, or does not run on this system")
