#pragma once

#include "support/RenderPath.h"
#include "support/ZipBuilder.h"

#include <QString>

namespace torvane::testing {

// Makes the process-wide skin archive from the repository's layouts (skin/*.xml), the images of the built skin
// archive when the build has one, and `extra` members (which win over both).
void InstallTestSkin(const ZipMembers& extra = {});

// A PNG of the given size filled with one colour, for tests that need an image member.
QByteArray SolidPng(int width, int height, unsigned argb);

}  // namespace torvane::testing
