#pragma once

#include "support/ZipBuilder.h"

#include <QString>

namespace torvane::testing {

// Makes the process-wide skin archive from the repository's layouts (skin/*.xml), the images of the built skin
// archive when the build has one, and `extra` members (which win over both).
void InstallTestSkin(const ZipMembers& extra = {});

// Where a test may write a rendering for people to look at; empty when the build sets no folder.
QString RenderPath(const QString& file_name);

// A PNG of the given size filled with one colour, for tests that need an image member.
QByteArray SolidPng(int width, int height, unsigned argb);

}  // namespace torvane::testing
