// The bundled sample log (examples/sample.adi), built into the program.

#ifndef TOOLS_SAMPLE_LOG_H_
#define TOOLS_SAMPLE_LOG_H_

#include <string_view>

namespace zelmar {

std::string_view SampleLog();

}  // namespace zelmar

#endif  // TOOLS_SAMPLE_LOG_H_
