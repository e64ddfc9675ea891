// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/Session.h"

namespace teska {

Session::Session(Host& h, const SessionOptions& options)
    : host(h)
    , environment(h, options.settingsDirectory)
    , catalogue(
          options.catalogueDirectory.empty() ? TextCatalogue::DefaultDirectory() : options.catalogueDirectory,
          languageFor(environment, options))
{
    catalogue.setStrict(options.strictCatalogue);
    catalogue.setHost(&host);
}

std::string Session::languageFor(SuiteEnvironment& env, const SessionOptions& options)
{
    env.LoadSettings();
    if (!options.language.empty())
        return options.language;
    return TextCatalogue::ChooseLanguage(env.Language);
}

} // namespace teska
