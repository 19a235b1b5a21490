// Scratch folders of the test processes.
#pragma once

#include <string>

namespace tarvelin::test {

// Removes path and everything under it (symbolic links are removed, not followed).
void remove_tree(const std::string& path);

// Points TMPDIR at a new folder of this process under the current temporary directory,
// so that whatever the process leaves there (the connections' temporary logs, scratch
// folders) goes with the folder when this object is destroyed. Made before GLib first
// reads the temporary directory, which it keeps for the process.
class ProcessTmpDir {
public:
    ProcessTmpDir();
    ~ProcessTmpDir();
    ProcessTmpDir(const ProcessTmpDir&) = delete;
    ProcessTmpDir& operator=(const ProcessTmpDir&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace tarvelin::test
