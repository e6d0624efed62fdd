// Records its call and answers SPINFOLIO_FAKE_NEW_VERSION ("1": a new version is there).

#include "tests/fakes/fake_log.h"

extern "C" __attribute__((visibility("default"))) unsigned char _SprVer(const char* shortName,
                                                                        const char* version,
                                                                        const char* product,
                                                                        int languageIndex) {
  using namespace spinfolio::fake;
  Record({"_SprVer", Text(shortName), Text(version), Text(product), std::to_string(languageIndex)});
  return Setting("SPINFOLIO_FAKE_NEW_VERSION") == "1" ? 1 : 0;
}
