// Where a look file's images are: the file's own directory, and the names
// that lead from it to an image, for the reader that resolves them (and
// refuses those that lead out of it) and the writer that names them.
#ifndef WIDGETS_LOOKFILE_LOOK_FILE_PATHS_H
#define WIDGETS_LOOKFILE_LOOK_FILE_PATHS_H

#include <string>

// Whether `path` starts from a root ("/", "\\") or a drive ("C:"), on any
// system: a look file written on one is read on the other.
bool is_absolute_path(const std::string &path);

// The directory part of `path` with its separator ("" for a bare name).
std::string directory_of(const char *path);

// The canonical form of an existing path, without a trailing separator
// but at a root, or "" when there is none.
std::string real_path(const std::string &path);

// Whether the canonical path `full` lies inside the canonical directory
// `dir` (not the directory itself).
bool path_within(const std::string &dir, const std::string &full);

// How a look file at `look_path` names the image at `image`: from the look
// file's directory when the image lies inside it, so the file loads back
// without the program's leave to read elsewhere (and goes on doing so when
// the directory is moved); otherwise `image` as it is.
std::string image_name_from(const char *look_path, const std::string &image);

// A name that stays within the directory as written: not absolute, no ".."
// part.
bool written_inside(const std::string &name);

// dir + name.
std::string joined(const std::string &dir, const std::string &name);

// Whether `name`, read from `dir`, is an existing file within the
// directory once links are followed.
bool resolved_inside(const std::string &dir, const std::string &name);

#endif
