// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A generated plate of 7 by 5 nodes and two borings in a scratch folder,
// opened in a session with English texts whose settings are in the folder
// "settings" beside the project; Host is the session's host.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "project/opening/OpenProject.h"
#include "support/TestSupport.h"
#include "teska-sample/SampleProject.h"

namespace teska::test {

template <class Host> class SampleSessionTest : public ::testing::Test {
protected:
    SampleSessionTest()
    {
        sample::SampleOptions sample;
        sample.NodesX = 7;
        sample.NodesY = 5;
        sample.Borings = 2;
        sample::WriteSampleProject(sample::BuildSampleProject(sample), dir.file("S.PO1"));
        std::filesystem::create_directories(settings);
        SessionOptions options;
        options.settingsDirectory = settings;
        options.language = "en";
        session = std::make_unique<Session>(host, options);
        project.ProjectPath = dir.file("S.PO1");
        project.ProjectDirectory = dir.dir();
        project.ProjectBaseName = "S";
        OpeningContext context(host);
        opened = OpenProject(project, context, false).Outcome == OpenOutcome::Opened;
    }

    ScratchDir dir;
    std::string settings = dir.dir() + "settings/";
    Host host;
    std::unique_ptr<Session> session;
    ProjectState project;
    NumberFormats formats;
    bool opened = false;
};

} // namespace teska::test
