#pragma once
// The coordinate record that every computation passes around, and the
// geodetic operations on it as members: each takes its input point by value
// and writes the point it is called on; nothing throws, problems are
// reported through the status bits of `flag`. The conversion chain applies
// the same operations, set up once for a run, to one record in place.
//
// y is the east axis (longitude, easting, geocentric Y), x the north axis
// (latitude, northing, geocentric X), h the height (or geocentric Z).

#include <string>

namespace kortavex {

enum : int {
  FLAG_TARGET_FRAME = 1,  // result outside the frame of the target system
  FLAG_START_FRAME = 2,   // input outside the frame of the start system
  FLAG_START_GRID = 4,    // start-side grid shift found no value
  FLAG_TARGET_GRID = 8,   // target-side (reverse) grid shift found no value
  FLAG_MGRS_LETTER = 16,  // MGRS reference with a letter outside its table
  FLAG_MGRS_BAND = 32,    // MGRS position north of its latitude band
};

class point {
 public:
  double y = 0.0;
  double x = 0.0;
  double h = 0.0;
  int flag = 0;
  std::string txt;  // Windows-1252 bytes

  point() = default;
  point(double y_, double x_, double h_, int flag_) : y(y_), x(x_), h(h_), flag(flag_) {}

  double get_y() const { return y; }
  double get_x() const { return x; }
  double get_h() const { return h; }
  int get_flag() const { return flag; }
  std::string get_txt() const { return txt; }
  void set_y(double v) { y = v; }
  void set_x(double v) { x = v; }
  void set_h(double v) { h = v; }
  void set_txt(const std::string& s) { txt = s; }
  // Raises bits: a bit already set stays set, so that the value is always a
  // sum of distinct bits (adding would carry 2 + 2 into 4).
  void set_flag(int n) { flag |= n; }
  void change_y(double d) { y += d; }
  void change_x(double d) { x += d; }
  void m_y(double d) { y /= d; }
  void m_x(double d) { x /= d; }

  // Latitude, blank, longitude in degrees/minutes/seconds, line feed.
  std::string ausgebenMinSec() const;

  // Geocentric conversion and seven-parameter datum shifts (rotations in
  // arc-seconds, coordinate-frame sense; scale as a factor).
  void toECEF(point p, double a, double b);
  void toLLA(point p, double a, double b);
  void helmert(point p, double rx, double ry, double rz, double tx, double ty, double tz,
               double m);
  void helmert9(point p, double rx, double ry, double rz, double tx, double ty, double tz,
                double mX, double mY, double mZ);

  // Transverse Mercator; mode 2 is UTM (scale 0.9996), anything else scale 1.
  void toGK(point p, int ellipsoid, int mode);
  void toEll(point p, int ellipsoid, int mode);

  // Lambert conformal conic with two standard parallels.
  void toLamb(point p, int ellipsoid, double phi0, double phi1, double phi2);
  void Lamb2ell(point p, int ellipsoid, double phi0, double phi1, double phi2, double lambda0);

  // Krovak (S-JTSK); e is the first eccentricity, not its square.
  void toKrovak(point p, double a, double e);
  void KrovakToBL(point p, double a, double e);

  // Swiss oblique Mercator, relative to the projection origin at Bern.
  void toCH1903Plus(point p);
  void fromCH1903Plus(point p);

  // NTv2 grid shifts: 1 on success, 0 outside the grid or without a shift value.
  int Beta2007(point p);
  int Beta2007ret(point p);
  int ATGrid(point p);
  int ATGridret(point p);
  int CHENYX(point p);
  int CHENYXret(point p);

  // MGRS/UTMREF references: 1 when `ref` has the form of one; UTM easting
  // y and northing x of a reference, its zone and hemisphere ("33N") in txt
  // (chain/mgrs_reader.h reads them into a record of their own).
  static int MGRScheck(const std::string& ref);
  static point UTMrefBer(const std::string& ref);

  // The conversion chain between two system codes. The thirteen numbers and
  // two indices are those of the user parameter set. This member and the two
  // above are defined in chain/ (convert.cpp, mgrs_reader.cpp), which they
  // need: a program that calls them links the chain layer.
  point convert(point p, const std::string& start, const std::string& target, double dx,
                double dy, double dz, double scale, double rx, double ry, double rz,
                double centralMeridian, double latitudeOfOrigin, double northParallel,
                double southParallel, double falseEasting, double falseNorthing, int ellipsoid,
                int projection) const;

 private:
  // The operations above are written once, on a point in place (the classes
  // of engine/transverse_mercator.h, lambert.h, krovak.h, swiss.h and
  // geocentric.h); as members they write the coordinates of `p` so computed
  // into this point, whose flag and text stay.
  void takeCoordinates(const point& p) {
    takeHorizontal(p);
    h = p.h;
  }
  void takeHorizontal(const point& p) {
    y = p.y;
    x = p.x;
  }
};

}  // namespace kortavex
