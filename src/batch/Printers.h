#pragma once

#include <ostream>
#include <string>

namespace dered {

class Program;
class ScriptArgs;
class GridModel;

// The "print" commands of the batch driver: the program's state as stable text lines.
class Printers {
  public:
    Printers(Program& program, std::ostream& out) : program_(program), out_(out) {}
    void Print(const std::string& what, ScriptArgs& args);

  private:
    void State();
    void Area(int area);
    void Player(int player);
    void Orders();
    void GridRows(ScriptArgs& args, bool oneRow);
    void Menu(const std::string& name);
    void Caption(const std::string& formName);
    void Settings();
    void Row(const GridModel& grid, int row);

    Program& program_;
    std::ostream& out_;
};

} // namespace dered
