#include "capability_probe.h"

#include <gtest/gtest.h>

#include <map>

using namespace DozIzevodoz;

namespace {

enum class Hiberfil { File, Folder, Absent };

struct System {
  bool setSystemPowerState = true;
  bool powrprof = true;
  std::map<std::string, bool> answers = {
      {"IsPwrShutdownAllowed", true}, {"IsPwrSuspendAllowed", true}, {"IsPwrHibernateAllowed", true}};
  Hiberfil hiberfil = Hiberfil::Absent;
  std::vector<std::string> filesAsked;

  Capabilities Probe() {
    CapabilitySources sources{
        [this] { return setSystemPowerState; },
        [this](const char* f) -> std::optional<bool> {
          if (!powrprof || !answers.count(f)) return std::nullopt;
          return answers.at(f);
        },
        [this](const std::string& path) {
          filesAsked.push_back(path);
          return hiberfil == Hiberfil::File;
        },
    };
    Capabilities caps;
    ClearUnsupported(sources, "D:\\", caps);
    return caps;
  }
};

std::string Text(const Capabilities& c) {
  return std::string(c.suspend ? "S" : "-") + (c.hibernate ? "H" : "-") + (c.powerOff ? "P" : "-");
}

TEST(CapabilityProbe, EveryCombinationOfTheSystemsAnswers) {
  for (bool ssps : {true, false}) {
    for (Hiberfil file : {Hiberfil::File, Hiberfil::Folder, Hiberfil::Absent}) {
      System noPowrprof;
      noPowrprof.setSystemPowerState = ssps;
      noPowrprof.powrprof = false;
      noPowrprof.hiberfil = file;
      std::string hibernate = ssps && file == Hiberfil::File ? "H" : "-";
      EXPECT_EQ(Text(noPowrprof.Probe()), "-" + hibernate + "-") << ssps << int(file);
      EXPECT_EQ(noPowrprof.filesAsked, std::vector<std::string>{"D:\\hiberfil.sys"});

      for (const char* refused : {"", "IsPwrShutdownAllowed", "IsPwrSuspendAllowed", "IsPwrHibernateAllowed"}) {
        System s;
        s.setSystemPowerState = ssps;
        s.hiberfil = file;
        if (*refused) s.answers[refused] = false;
        Capabilities c = s.Probe();
        std::string r = refused;
        EXPECT_EQ(c.powerOff, r != "IsPwrShutdownAllowed") << r;
        EXPECT_EQ(c.suspend, ssps && r != "IsPwrSuspendAllowed") << r;
        EXPECT_EQ(c.hibernate, ssps && r != "IsPwrHibernateAllowed") << r;
        EXPECT_TRUE(s.filesAsked.empty()) << "the file decides only without IsPwrHibernateAllowed";
      }
    }
  }
}

TEST(CapabilityProbe, OnlyClears) {
  System s;
  CapabilitySources sources{[] { return true; }, [](const char*) { return std::optional<bool>(true); },
                            [](const std::string&) { return true; }};
  Capabilities caps{false, false, false};
  ClearUnsupported(sources, "C:\\", caps);
  EXPECT_EQ(Text(caps), "---");
}

}  // namespace
