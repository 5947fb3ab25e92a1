// The constant answers every test of this module gives to the host's own slots.
#include "module/Test.h"

Test::Test(const ObjectId& identifier) : m_identifier(identifier) {}

Test::~Test() = default;

bool Test::Reserved4() { return false; }

std::vector<std::string> Test::Reserved5() { return {}; }

void Test::Reserved6(TestHostRecord) {}

std::vector<std::string> Test::Reserved7() { return {}; }

bool Test::Reserved8() { return true; }

bool Test::Reserved9() { return true; }

bool Test::SetConfiguration(corvo::utils::config::ConfigData) { return true; }

void Test::Reserved11() {}
