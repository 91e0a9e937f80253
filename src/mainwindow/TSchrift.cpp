#include "mainwindow/TSchrift.h"

bool SchriftnameZulaessig(const std::string& AName) {
    return !AName.empty() && AName.size() <= MaxSchriftnameLaenge;
}
