#include "tests/support/run_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/temp_folder.h"

namespace kestrune::testing {
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args) {
  TempFolder outputs;
  const std::string out_path = outputs.path() + "/out";
  const std::string err_path = outputs.path() + "/err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT, 0600);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ProcessResult result;
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
    result.out = outputs.Read("out");
    result.err = outputs.Read("err");
  }
  posix_spawn_file_actions_destroy(&actions);
  return result;
}

}  // namespace kestrune::testing
